// AtlasSearch: the atlas search dialog (TAtlasDialog): the user types a place in Thai or Latin
// script (a country may follow a comma), the list shows the matching places with their
// country and time zone as they type, and OK or a double-click chooses one.
//
// Use, from a dialog that fills a place:
//
//     if (const auto place = ChooseAtlasPlace(this))
//         ... nemra::ChartPlaceAt(*place, localTime) ...
//
// The atlas file is opened when the dialog is created, never at program start.
#pragma once

#include "atlas/model/Atlas.h"

#include <QDialog>

#include <filesystem>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class TAtlasDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TAtlasDialog(const std::filesystem::path& atlasFile, QWidget* parent = nullptr);

    // Fills the list with the places matching the text.
    void AtlasEditChange(const QString& text);
    // The place of the selected row, when there is one.
    std::optional<nemra::AtlasPlace> Chosen() const;

    QLineEdit* AtlasEdit = nullptr;
    QTableWidget* AtlasList = nullptr;
    QLabel* AtlasStatus = nullptr;
    QPushButton* AtlasOk = nullptr;
    QPushButton* AtlasCancel = nullptr;

  private:
    std::optional<nemra::Atlas> FAtlas;
    std::vector<nemra::AtlasPlace> FPlaces;
};

// Runs the dialog over the program's atlas; the place chosen, or nothing on Cancel.
std::optional<nemra::AtlasPlace> ChooseAtlasPlace(QWidget* parent);
