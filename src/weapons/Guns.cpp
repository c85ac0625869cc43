#include "weapons/Guns.h"

#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/ImageBox.h"
#include "ui/clsProgressBar.h"

#include <QAction>
#include <QFrame>
#include <QLabel>

#include <array>

namespace kelvad {

namespace {

constexpr std::array<Gun, 3> kGuns{{
    {.menuItem = &Form1::B11,
     .display = &Form1::F1,
     .magazine = 8,
     .refill = 8,
     .reloadMs = 700,
     .soundFile = u"\\Gun1.Wav",
     .countLabel = nullptr,
     .gauge = nullptr,
     .barColor = 0},
    {.menuItem = &Form1::B12,
     .display = &Form1::F2,
     .magazine = 15,
     .refill = 15,
     .reloadMs = 1500,
     .soundFile = u"\\Gun2.Wav",
     .countLabel = &Form1::Label11,
     .gauge = &Form1::ammoGauge2,
     .barColor = qRgb(255, 128, 0)},
    // It cannot be reloaded; the refill is what a reload pending from another gun leaves in it.
    {.menuItem = &Form1::B13,
     .display = &Form1::F3,
     .magazine = 100,
     .refill = 30,
     .reloadMs = 0,
     .soundFile = u"\\Gun3.Wav",
     .countLabel = &Form1::Label12,
     .gauge = &Form1::ammoGauge3,
     .barColor = qRgb(255, 255, 0)},
}};

void showAllBullets(Form1& form) {
    for (ImageBox* bullet : form.TA) {
        bullet->show();
    }
}

void showCount(Form1& form, const Gun& gun) {
    (form.*gun.countLabel)->setText(QString::number(gameState.ammoLeft));
}

}  // namespace

const Gun& currentGun(const Form1& form) {
    for (std::size_t index = 0; index + 1 < kGuns.size(); ++index) {
        if ((form.*kGuns[index].menuItem)->isChecked()) {
            return kGuns[index];
        }
    }
    return kGuns.back();
}

void SelectGun(Form1& form, int gun) {
    if (gun < 1 || gun > static_cast<int>(kGuns.size())) {
        return;
    }
    const auto chosen = static_cast<std::size_t>(gun - 1);
    for (std::size_t index = 0; index < kGuns.size(); ++index) {
        (form.*kGuns[index].menuItem)->setChecked(index == chosen);
    }
    for (std::size_t index = 0; index < kGuns.size(); ++index) {
        (form.*kGuns[index].display)->setVisible(index == chosen);
    }
}

void LoadMagazine(Form1& form) {
    const Gun& gun = currentGun(form);
    gameState.gunSoundFile = gun.soundFile.toString();
    gameState.ammoLeft = gun.magazine;
    if (!gun.gauge) {
        showAllBullets(form);
        return;
    }
    clsProgressBar& gauge = *(form.*gun.gauge);
    gauge.setBarColor(gun.barColor);
    gauge.setMax(gun.magazine);
    gauge.setValue(gauge.Max());
    showCount(form, gun);
}

void SpendBullet(Form1& form) {
    const Gun& gun = currentGun(form);
    gameState.ammoLeft -= 1;
    if (!gun.gauge) {
        // The bullets vanish right to left: those left are TA(0) .. TA(ammoLeft - 1).
        if (gameState.ammoLeft >= 0 && gameState.ammoLeft < static_cast<int>(form.TA.size())) {
            form.TA[static_cast<std::size_t>(gameState.ammoLeft)]->hide();
        }
        return;
    }
    showCount(form, gun);
    clsProgressBar& gauge = *(form.*gun.gauge);
    gauge.setValue(gauge.Value() - 1);
}

void RefillMagazine(Form1& form) {
    const Gun& gun = currentGun(form);
    gameState.ammoLeft = gun.refill;
    if (!gun.gauge) {
        showAllBullets(form);
        return;
    }
    showCount(form, gun);
    clsProgressBar& gauge = *(form.*gun.gauge);
    gauge.setValue(gauge.Max());
}

}  // namespace kelvad
