// A file of the drawing layer that includes a header of the physics layer,
// which stands above it. It must not build: the test that builds it passes
// only when the compiler cannot find the header.
#include "physics/particle.h"

int DrawIncludesPhysics() { return 0; }
