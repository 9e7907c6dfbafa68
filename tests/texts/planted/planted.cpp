// Sentences the scanner must find (four) and must pass over: "Començar" in
// a comment, a formula's middle dot, an option, plain English.
/* "Cancel·la" in a block comment */
const char* a = "Comen\u00e7ar";
const char* b = "Nombre d'oscil\xc2\xb7lacions";
const char* c = "Copia les dades";
const char* d = "Massa penjada";
const char* e = "F = \u2212k\u00b7\u0394x";
const char* f = "--professorat";
const char* g = "no title dialog";
const char c2 = '"';
