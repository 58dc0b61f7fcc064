// Solving a dealt board: every dictionary word that can be traced on it, in dictionary order.
#pragma once

// Refills solutionList and solutionCount for the current board: every dictionary word that some
// path of distinct, adjacent tiles spells, once, in dictionary order. Indexes the dictionary
// first if it has changed since it was last indexed.
void solveBoard();
