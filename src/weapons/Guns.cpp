#include "weapons/Guns.h"

#include "state/GameState.h"
#include "ui/Form1.h"
#include "ui/ImageBox.h"
#include "ui/clsProgressBar.h"

#include <QAction>
#include <QFrame>
#include <QLabel>

namespace kelvad {

namespace {

void showAllBullets(Form1& form) {
    for (ImageBox* bullet : form.TA) {
        bullet->show();
    }
}

}  // namespace

void SelectGun(Form1& form, int gun) {
    form.B11->setChecked(gun == 1);
    form.B12->setChecked(gun == 2);
    form.B13->setChecked(gun == 3);
    form.F1->setVisible(gun == 1);
    form.F2->setVisible(gun == 2);
    form.F3->setVisible(gun == 3);
}

void LoadMagazine(Form1& form) {
    if (form.B11->isChecked()) {
        gameState.gunSoundFile = QStringLiteral("\\Gun1.Wav");
    } else if (form.B12->isChecked()) {
        gameState.gunSoundFile = QStringLiteral("\\Gun2.Wav");
    } else {
        gameState.gunSoundFile = QStringLiteral("\\Gun3.Wav");
    }
    if (form.B11->isChecked()) {
        gameState.ammoLeft = kNormalGunBullets;
        showAllBullets(form);
    } else if (form.B12->isChecked()) {
        gameState.ammoLeft = kSubmachineGunBullets;
        form.ammoGauge2->setBarColor(kSubmachineGunBarColor);
        form.ammoGauge2->setMax(kSubmachineGunBullets);
        form.ammoGauge2->setValue(form.ammoGauge2->Max());
        form.Label11->setText(QString::number(gameState.ammoLeft));
    } else {
        gameState.ammoLeft = kJackGunBullets;
        form.ammoGauge3->setBarColor(kJackGunBarColor);
        form.ammoGauge3->setMax(kJackGunBullets);
        form.ammoGauge3->setValue(form.ammoGauge3->Max());
        form.Label12->setText(QString::number(gameState.ammoLeft));
    }
}

void SpendBullet(Form1& form) {
    if (form.B11->isChecked()) {
        gameState.ammoLeft -= 1;
        // The bullets vanish right to left: those left are TA(0) .. TA(ammoLeft - 1).
        if (gameState.ammoLeft >= 0 && gameState.ammoLeft < static_cast<int>(form.TA.size())) {
            form.TA[static_cast<std::size_t>(gameState.ammoLeft)]->hide();
        }
    } else if (form.B12->isChecked()) {
        gameState.ammoLeft -= 1;
        form.Label11->setText(QString::number(gameState.ammoLeft));
        form.ammoGauge2->setValue(form.ammoGauge2->Value() - 1);
    } else {
        gameState.ammoLeft -= 1;
        form.Label12->setText(QString::number(gameState.ammoLeft));
        form.ammoGauge3->setValue(form.ammoGauge3->Value() - 1);
    }
}

void RefillMagazine(Form1& form) {
    if (form.B11->isChecked()) {
        gameState.ammoLeft = kNormalGunBullets;
        showAllBullets(form);
    } else if (form.B12->isChecked()) {
        gameState.ammoLeft = kSubmachineGunBullets;
        form.Label11->setText(QString::number(gameState.ammoLeft));
        form.ammoGauge2->setValue(form.ammoGauge2->Max());
    } else {
        gameState.ammoLeft = kJackGunRefill;
        form.Label12->setText(QString::number(gameState.ammoLeft));
        form.ammoGauge3->setValue(form.ammoGauge3->Max());
    }
}

}  // namespace kelvad
