// Solving a dealt board: every dictionary word that can be traced on it, in dictionary order.
#pragma once

// The walk a player makes, one step at a time, which the solver's tracing agrees with.
#include "engine/walk.h"

// Refills solutionList and solutionCount for the current board: every dictionary word that some
// path of distinct, adjacent tiles spells, once, in dictionary order. Indexes the dictionary
// first if it has changed since it was last indexed.
void solveBoard();
