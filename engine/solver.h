// Solving a dealt board: every dictionary word that can be traced on it, in dictionary order.
#pragma once

// Refills solutionList and solutionCount for the current board, whose tiles are letters A to Z
// as every board made by the deal or lettro-solve is (any other tile spells nothing): every
// dictionary word that some path of distinct, adjacent tiles spells, once, in dictionary order.
// Indexes the dictionary first if it has changed since it was last indexed.
void solveBoard();
