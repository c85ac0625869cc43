#include "game/GameState.h"

namespace kelvad {

GameState gameState;

}  // namespace kelvad
