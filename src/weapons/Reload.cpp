#include "weapons/Reload.h"

#include "platform/Timer.h"
#include "ui/Form1.h"
#include "weapons/Guns.h"

#include <QLabel>

namespace kelvad {

void RequestReload(Form1& form) {
    form.ME1->setText(QStringLiteral("補給中…"));
    if (const int delay = currentGun(form).reloadMs; delay > 0) {
        form.T5->setInterval(delay);
        return;
    }
    form.ME1->setText(QStringLiteral("この銃は補給ができません!!"));
    form.T6->setEnabled(true);
}

void CompleteReload(Form1& form) {
    form.T5->setInterval(0);
    RefillMagazine(form);
    form.ME1->setText(QStringLiteral("補給中完了!!"));
    form.T6->setEnabled(true);
}

}  // namespace kelvad
