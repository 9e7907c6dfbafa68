// Three to find (two on the next line): 'Tanca la finestra' in a comment is not one.
var a = 'El codi ' + code + ' no \u00e9s a la llista';
var b = `Fes la
llista`;
var c = "use strict";
