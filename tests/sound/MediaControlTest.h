#pragma once

#include <QObject>

namespace kelvad {

// The background tune's media control, driven by command names as the game drives it.
class MediaControlTest : public QObject {
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void nothingWhenTheTuneCannotBeOpened_data();
    void nothingWhenTheTuneCannotBeOpened();
    void closeAddressesTheFileThatWasOpened();
};

}  // namespace kelvad
