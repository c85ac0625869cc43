#include "PhaseControls.h"

#include "ui/Form1.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace kelvad::testing {

QStringList controlStates(Form1& form) {
    const auto enabled = [](const QString& name, bool on) { return name + (on ? u" on"_s : u" off"_s); };
    const auto shown = [](const QString& name, const QWidget* widget) {
        return name + (widget->isVisible() ? u" shown"_s : u" hidden"_s);
    };
    return {enabled(u"Form1"_s, form.isEnabled()),
            shown(u"TAITOLU(0)"_s, form.TAITOLU[0]),
            shown(u"TAITOLU(1)"_s, form.TAITOLU[1]),
            enabled(u"Command1"_s, form.Command1->isEnabled()),
            enabled(u"B1"_s, form.B1->isEnabled()),
            enabled(u"B4"_s, form.B4->isEnabled()),
            enabled(u"A2"_s, form.A2->menuAction()->isEnabled()),
            enabled(u"B19"_s, form.B19->isEnabled()),
            enabled(u"B21"_s, form.B21->isEnabled()),
            enabled(u"Picture2"_s, form.Picture2->isEnabled()),
            u"Label20 "_s + form.Label20->text()};
}

QStringList readyControls() {
    return {u"Form1 on"_s,
            u"TAITOLU(0) shown"_s,
            u"TAITOLU(1) shown"_s,
            u"Command1 on"_s,
            u"B1 on"_s,
            u"B4 on"_s,
            u"A2 on"_s,
            u"B19 off"_s,
            u"B21 off"_s,
            u"Picture2 on"_s,
            u"Label20 0"_s};
}

QStringList playingControls() {
    return {u"Form1 on"_s,
            u"TAITOLU(0) hidden"_s,
            u"TAITOLU(1) hidden"_s,
            u"Command1 off"_s,
            u"B1 off"_s,
            u"B4 off"_s,
            u"A2 off"_s,
            u"B19 on"_s,
            u"B21 on"_s,
            u"Picture2 off"_s,
            u"Label20 0"_s};
}

}  // namespace kelvad::testing
