// The process-wide game state, created empty by static initialisation.
#include "engine/game_state.h"

GameState gameState;
