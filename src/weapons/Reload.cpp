#include "weapons/Reload.h"

#include "platform/Timer.h"
#include "ui/MainWindow.h"
#include "weapons/Guns.h"

#include <QLabel>

namespace kelvad {

void RequestReload(MainWindow& window) {
    window.messageBar->setText(QStringLiteral("補給中…"));
    if (const int delay = currentGun(window).reloadMs; delay > 0) {
        window.T5->setInterval(delay);
        return;
    }
    window.messageBar->setText(QStringLiteral("この銃は補給ができません!!"));
    window.T6->setEnabled(true);
}

void CompleteReload(MainWindow& window) {
    window.T5->setInterval(0);
    RefillMagazine(window);
    window.messageBar->setText(QStringLiteral("補給中完了!!"));
    window.T6->setEnabled(true);
}

}  // namespace kelvad
