#pragma once

// What the window tests share: a game folder and settings store of the test's
// own, the game's settings written where it reads them, pictures saved on
// request, and a table's header clicks and column texts.
// Include it after the game's headers: Qt defines "slots" as a keyword macro.

#include "app/game_folder.h"

#include "scoped_settings_path.h"
#include "screenshot.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace galloria {

// Writes one value of the game's "Settings" section, as the options dialog
// stores it, for the next game window to read.
inline void StoreSetting(const QString& key, const QVariant& value)
{
    QSettings(QStringLiteral("Tamberlyn"), QStringLiteral("Galloria"))
        .setValue(QStringLiteral("Settings/") + key, value);
}

// Clicks the middle of a column's header, as a player sorts a list.
inline void ClickHeader(const QTableView& table, int column)
{
    QHeaderView* header = table.horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

// The texts of one column, top to bottom, as shown.
inline QStringList ColumnTexts(const QTableView& table, int column)
{
    QStringList texts;
    for (int row = 0; row < table.model()->rowCount(); ++row)
        texts << table.model()->data(table.model()->index(row, column)).toString();
    return texts;
}

// Every window test runs in a game folder holding the starting stable and a
// settings store of its own, and goes back to where it started.
class GameFolderFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home_.isValid());
        startFolder_ = QDir::currentPath();
        settingsPath_ = std::make_unique<ScopedSettingsPath>(home_.filePath(QStringLiteral("config")));
        ASSERT_TRUE(PrepareGameFolder(home_.filePath(QStringLiteral("game"))).entered);
        ASSERT_TRUE(QFile::exists(QStringLiteral("data/Stable.dat")));
    }

    void TearDown() override
    {
        QDir::setCurrent(startFolder_);
        settingsPath_.reset();
    }

    QTemporaryDir home_;
    QString startFolder_;
    std::unique_ptr<ScopedSettingsPath> settingsPath_;
};

} // namespace galloria
