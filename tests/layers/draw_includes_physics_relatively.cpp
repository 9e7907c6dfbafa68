// A file of the drawing layer that climbs to a header of the physics layer
// through its own folder. The compiler would find it beside the file, so
// the build's include check must stop it: the test that builds it passes
// only on the check's message.
#include "../../physics/particle.h"

int DrawIncludesPhysicsRelatively() { return 0; }
