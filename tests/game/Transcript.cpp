// SPDX-FileCopyrightText: 2026 The kelvad authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Transcript.h"

#include "FakePlatform.h"
#include "WidgetText.h"
#include "ui/ImageBox.h"
#include "ui/PictureBox.h"

#include <QAbstractSlider>
#include <QAction>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QWidget>

#include <array>
#include <optional>

namespace kelvad::testing {

namespace {

// The timers by the order the game makes them in, under the names the game's documents give them.
constexpr std::array<const char*, 9> kTimerNames{"T4", "T5", "T6", "T7", "T8", "T9", "T10", "T11", "T15"};

QString timerCall(QString call) {
    bool isNumber = false;
    const int index = call.section(u' ', 1, 1).toInt(&isNumber);
    if (call.startsWith(QLatin1String("timer ")) && isNumber && index >= 0 &&
        index < static_cast<int>(kTimerNames.size())) {
        return QString::fromLatin1(kTimerNames[static_cast<std::size_t>(index)]) + u' ' +
               call.section(u' ', 2);
    }
    return call;
}

bool isNamed(const QObject& object) {
    const QString name = object.objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

// The picture a box shows, as a short hash; empty for controls without one.
QImage pictureOf(const QWidget& widget) {
    if (const auto* box = qobject_cast<const PictureBox*>(&widget)) {
        return box->screenImage();
    }
    if (const auto* image = qobject_cast<const ImageBox*>(&widget)) {
        return image->picture();
    }
    return {};
}

QString textOf(const QWidget& widget) {
    if (const std::optional<QString> caption = quotedCaptionOf(widget)) {
        return *caption;
    }
    if (const auto* slider = qobject_cast<const QAbstractSlider*>(&widget)) {
        return QStringLiteral("value %1").arg(slider->value());
    }
    return {};
}

QString placeOf(const QRect& geometry, bool window) {
    const QString size = QStringLiteral("%1x%2").arg(geometry.width()).arg(geometry.height());
    return window ? size : QStringLiteral("%1,%2 ").arg(geometry.x()).arg(geometry.y()) + size;
}

}  // namespace

Transcript::Transcript(QWidget& mainWindow, TestPlatform& platform)
    : m_mainWindow(mainWindow), m_platform(platform), m_directory(platform.programDirectory()) {
    // What happened before is not the script's.
    m_timerCalls = platform.scheduler.calls.size();
    m_soundCalls = platform.soundDevice.calls.size();
    m_boxes = platform.messageBoxes.shown.size();
    m_beeps = platform.beeper.beeps;
    m_waits = platform.sleeper.waits.size();
    m_helpPages = platform.helpViewer.opened.size();
    m_capturing = true;
    watchTree();
    for (const QPointer<QWidget>& widget : m_widgets) {
        m_seen.insert(widget.data(), seenOf(*widget, {}));
        if (widget->isWindow()) {
            m_open.insert(widget.data(), widget->isVisible());
        }
    }
    m_capturing = false;
    compareActions();
    m_lines.clear();

    const auto capturing = [this] { capture(); };
    platform.scheduler.afterCall = capturing;
    platform.soundDevice.afterCall = capturing;
    platform.messageBoxes.afterCall = capturing;
    platform.beeper.afterCall = capturing;
    platform.sleeper.afterCall = capturing;
    platform.helpViewer.afterCall = capturing;
    QCoreApplication::instance()->installEventFilter(this);
}

Transcript::~Transcript() {
    QCoreApplication::instance()->removeEventFilter(this);
    m_platform.scheduler.afterCall = nullptr;
    m_platform.soundDevice.afterCall = nullptr;
    m_platform.messageBoxes.afterCall = nullptr;
    m_platform.beeper.afterCall = nullptr;
    m_platform.sleeper.afterCall = nullptr;
    m_platform.helpViewer.afterCall = nullptr;
}

void Transcript::note(const QString& step) {
    capture();
    m_lines << QStringLiteral("> ") + step;
}

QStringList Transcript::lines() {
    capture();
    return m_lines;
}

bool Transcript::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ChildAdded:
        case QEvent::ChildRemoved:
            m_treeChanged = true;
            break;
        case QEvent::EnabledChange:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowTitleChange:
            if (watched->isWidgetType()) {
                capture();
            }
            break;
        default:
            break;
    }
    return false;
}

void Transcript::write(const QString& line) {
    const qint64 now = m_platform.scheduler.now();
    if (now != m_lastTime) {
        m_lines << QStringLiteral("@ %1").arg(now);
        m_lastTime = now;
    }
    m_lines << line;
}

QString Transcript::withoutDirectory(QString text) const {
    return text.replace(m_directory, QStringLiteral("<dir>"));
}

void Transcript::capture() {
    // A change noticed while noting another must wait for its turn.
    if (m_capturing) {
        return;
    }
    m_capturing = true;
    compareWidgets();
    compareActions();
    takeNewCalls();
    m_capturing = false;
}

// Each fake calls back once it has recorded a call, so the call that called back is the only new one here,
// and it came after every change compared before it.
void Transcript::takeNewCalls() {
    TestPlatform& platform = m_platform;
    for (; m_timerCalls < platform.scheduler.calls.size(); ++m_timerCalls) {
        write(timerCall(platform.scheduler.calls.at(m_timerCalls)));
    }
    for (; m_soundCalls < platform.soundDevice.calls.size(); ++m_soundCalls) {
        write(QStringLiteral("sound ") + withoutDirectory(platform.soundDevice.calls.at(m_soundCalls)));
    }
    for (; m_boxes < platform.messageBoxes.shown.size(); ++m_boxes) {
        const ShownBox& box = platform.messageBoxes.shown[m_boxes];
        write(QStringLiteral("box over %1 %2 %3")
                  .arg(QLatin1String(box.owner == platform::BoxOwner::HighScoreTable ? "Form3" : "Form1"),
                       quoted(box.title), quoted(withoutDirectory(box.text))));
    }
    for (; m_beeps < platform.beeper.beeps; ++m_beeps) {
        write(QStringLiteral("beep"));
    }
    for (; m_waits < platform.sleeper.waits.size(); ++m_waits) {
        write(QStringLiteral("wait %1").arg(platform.sleeper.waits[m_waits]));
    }
    for (; m_helpPages < platform.helpViewer.opened.size(); ++m_helpPages) {
        write(QStringLiteral("help ") + withoutDirectory(platform.helpViewer.opened.at(m_helpPages)));
    }
}

void Transcript::watchTree() {
    if (!m_treeChanged) {
        return;
    }
    m_treeChanged = false;
    m_widgets.clear();
    // Depth first, in the order the tree holds the widgets; the menus are written as their items.
    const auto visit = [this](const auto& self, QWidget& widget) -> void {
        if (qobject_cast<QMenu*>(&widget) || qobject_cast<QMenuBar*>(&widget)) {
            return;
        }
        if (isNamed(widget)) {
            m_widgets.emplace_back(&widget);
        }
        for (QObject* child : widget.children()) {
            if (child->isWidgetType()) {
                self(self, *static_cast<QWidget*>(child));
            }
        }
    };
    visit(visit, m_mainWindow);

    m_actions.clear();
    const auto visitMenu = [this](const auto& self, const QList<QAction*>& actions) -> void {
        for (QAction* action : actions) {
            if (QMenu* menu = action->menu()) {
                if (isNamed(*menu)) {
                    m_actions.emplace_back(action);
                }
                self(self, menu->actions());
            } else if (isNamed(*action)) {
                m_actions.emplace_back(action);
            }
        }
    };
    for (const QMenuBar* bar : m_mainWindow.findChildren<QMenuBar*>()) {
        visitMenu(visitMenu, bar->actions());
    }
}

Transcript::Seen Transcript::seenOf(QWidget& widget, const Seen& before) const {
    Seen seen;
    seen.text = textOf(widget);
    seen.enabled = !widget.testAttribute(Qt::WA_ForceDisabled);
    seen.shown = !widget.isHidden();
    seen.geometry = widget.geometry();
    const QImage picture = pictureOf(widget);
    seen.pictureKey = picture.cacheKey();
    if (!picture.isNull() && seen.pictureKey == before.pictureKey) {
        seen.picture = before.picture;
    } else if (!picture.isNull()) {
        const QByteArrayView bits(picture.constBits(), picture.sizeInBytes());
        seen.picture =
            QString::fromLatin1(QCryptographicHash::hash(bits, QCryptographicHash::Sha1).toHex().left(8));
    }
    return seen;
}

void Transcript::compareWidgets() {
    watchTree();
    QSet<const QWidget*> opened;
    for (const QPointer<QWidget>& pointer : m_widgets) {
        if (!pointer) {
            continue;
        }
        QWidget& widget = *pointer;
        const QString name = widget.objectName();
        const auto known = m_seen.constFind(&widget);
        const Seen before = known == m_seen.cend() ? Seen{} : *known;
        const Seen seen = seenOf(widget, before);
        m_seen.insert(&widget, seen);

        // A window is seen only while it is open; when it opens, the whole of it is written down.
        if (widget.isWindow()) {
            const bool open = widget.isVisible();
            const bool wasOpen = m_open.value(&widget, false);
            m_open.insert(&widget, open);
            if (open && !wasOpen) {
                opened.insert(&widget);
                write(QStringLiteral("%1 opened %2 %3%4")
                          .arg(name, seen.text, placeOf(seen.geometry, true),
                               seen.enabled ? QString() : QStringLiteral(" disabled")));
            } else if (!open && wasOpen) {
                write(name + QStringLiteral(" closed"));
            } else if (open) {
                if (seen.text != before.text) {
                    write(name + u' ' + seen.text);
                }
                if (seen.enabled != before.enabled) {
                    write(name + (seen.enabled ? QStringLiteral(" enabled") : QStringLiteral(" disabled")));
                }
            }
            continue;
        }
        const QWidget* window = widget.window();
        if (!m_open.value(window, false)) {
            continue;
        }
        if (known == m_seen.cend() || opened.contains(window)) {
            QString line = name;
            if (!seen.text.isEmpty()) {
                line += u' ' + seen.text;
            }
            line += QStringLiteral(" at ") + placeOf(seen.geometry, false);
            if (!seen.enabled) {
                line += QStringLiteral(" disabled");
            }
            if (!seen.shown) {
                line += QStringLiteral(" hidden");
            }
            if (!seen.picture.isEmpty()) {
                line += QStringLiteral(" picture ") + seen.picture;
            }
            write(QStringLiteral("  ") + line);
            continue;
        }
        if (seen.text != before.text) {
            write(name + u' ' + seen.text);
        }
        if (seen.enabled != before.enabled) {
            write(name + (seen.enabled ? QStringLiteral(" enabled") : QStringLiteral(" disabled")));
        }
        if (seen.shown != before.shown) {
            write(name + (seen.shown ? QStringLiteral(" shown") : QStringLiteral(" hidden")));
        }
        if (seen.geometry != before.geometry) {
            write(name + QStringLiteral(" at ") + placeOf(seen.geometry, false));
        }
        if (seen.picture != before.picture) {
            write(name + QStringLiteral(" picture ") + seen.picture);
        }
    }
}

void Transcript::compareActions() {
    watchTree();
    for (const QPointer<QAction>& pointer : m_actions) {
        if (!pointer) {
            continue;
        }
        QAction& action = *pointer;
        const QString name = action.menu() ? action.menu()->objectName() : action.objectName();
        Seen seen;
        seen.text = quoted(action.text());
        seen.enabled = action.isEnabled();
        seen.shown = action.isVisible();
        seen.checked = action.isChecked();
        const auto known = m_seen.find(&action);
        if (known != m_seen.end()) {
            if (seen.text != known->text) {
                write(name + u' ' + seen.text);
            }
            if (seen.enabled != known->enabled) {
                write(name + (seen.enabled ? QStringLiteral(" enabled") : QStringLiteral(" disabled")));
            }
            if (seen.shown != known->shown) {
                write(name + (seen.shown ? QStringLiteral(" shown") : QStringLiteral(" hidden")));
            }
            if (seen.checked != known->checked) {
                write(name + (seen.checked ? QStringLiteral(" ticked") : QStringLiteral(" unticked")));
            }
        }
        m_seen.insert(&action, seen);
    }
}

}  // namespace kelvad::testing
