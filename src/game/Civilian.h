#pragma once

namespace kelvad {

class Form1;

// The civilian turns up every ten seconds for a second and a half. Shooting him costs 5 ticks of the clock,
// rescuing him with the right button gives 5.
inline constexpr int kCivilianTicks = 5;

void ShowCivilian(Form1& form);
void HideCivilian(Form1& form);
void RescueCivilian(Form1& form);
void ShootCivilian(Form1& form);
// Mouse-down on the civilian: the right button alone rescues, any other code shoots.
void CivilianMouseDown(Form1& form, int button);

}  // namespace kelvad
