#include "state/GameState.h"

namespace kelvad {

GameState gameState;

}  // namespace kelvad
