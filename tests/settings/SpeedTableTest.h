#pragma once

#include <QObject>

// The speed table: what each slider position makes of the start score and the men's rhythms.
class SpeedTableTest : public QObject {
    Q_OBJECT

private slots:
    void eachPositionSetsItsRow_data();
    void eachPositionSetsItsRow();
};
