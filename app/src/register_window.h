// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File > Radio Register…: the register's fleets and the radios of the one
// chosen, filtered by any text and sorted by any column; a radio's jobs,
// newest first, with the backups they kept; New Fleet…, Import Roster… and
// Export CSV with the checks and columns of duoband-cli; a radio's label and
// notes edited in place, with Undo in this window. Not modal: the editor
// stays usable beside it. Every call to the register runs off the window's
// thread (RegisterLink), so a slow server never freezes it.
#pragma once

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "duoband/radio_register.h"

class QComboBox;
class QDialog;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItem;
class QStandardItemModel;
class QTableView;
class QTableWidget;
class QUndoStack;
class RegisterLink;

class RegisterWindow : public QWidget {
    Q_OBJECT

  public:
    // Its parts are found by their object names: "fleetList", "filterEdit",
    // "radioTable", "historyTable", "newFleetButton", "importRosterButton",
    // "exportCsvButton", "refreshButton", "compareBackupButton",
    // "openBackupButton", "undoButton", "redoButton", "registerStatus"; New
    // Fleet's dialog "newFleetDialog" with "fleetNameEdit" and
    // "fleetNumberingEdit".
    // The register at `address` (empty: the data folder's file).
    RegisterWindow(const std::string& address, const std::filesystem::path& dataFolder,
                   QWidget* parent);
    ~RegisterWindow() override;

    // The columns of the radio table; Label and Notes can be edited.
    enum Column {
        NativeId,
        IdentityCode,
        BootLine1,
        BootLine2,
        Label,
        Notes,
        State,
        LastProgrammed,
        Configuration,
        Result,
        ColumnCount
    };

    // Lists the fleets and the chosen fleet's radios afresh.
    void refresh();
    // No call to the register is under way.
    bool idle() const;
    QUndoStack& undoStack() { return *undoStack_; }
    QString statusText() const;

    void newFleet();
    void importRoster();
    void exportCsv();
    void compareWithBackup();
    void openBackup();

    // Gives radio `radioId` the label and notes; for the window's undo steps.
    void setLabelAndNotes(long long radioId, const std::string& label, const std::string& notes);

  signals:
    void compareWithBackupAsked(const QString& file);
    void openBackupAsked(const QString& file);
    // Every call asked for has ended.
    void settled();

  private:
    void buildControls();
    QLayout* buildFleetRow();
    QWidget* buildRadioTable();
    QWidget* buildHistory();
    QPushButton* makeButton(const QString& caption, const char* name, const QString& spoken,
                            void (RegisterWindow::*handler)());
    void listFleets(const std::vector<duoband::Fleet>& fleets);
    void listRadios();
    void showRadios(std::vector<duoband::RegisteredRadio> radios);
    void listHistory();
    void showHistory(const std::vector<duoband::JobRecord>& jobs);
    void radioEdited(QStandardItem* item);
    void addFleet();
    void say(const QString& text);
    QString chosenFleet() const;
    // The radio of the current row; nullptr when none.
    const duoband::RegisteredRadio* currentRadio() const;
    QString chosenBackup() const;
    void updateButtons();

    RegisterLink* link_;
    QComboBox* fleetList_;
    QLineEdit* filterEdit_;
    QStandardItemModel* radioModel_;
    QSortFilterProxyModel* shown_;
    QTableView* radioTable_;
    QTableWidget* historyTable_;
    QPushButton* newFleetButton_;
    QPushButton* importButton_;
    QPushButton* exportButton_;
    QPushButton* compareButton_;
    QPushButton* openButton_;
    QLabel* status_;
    QDialog* newFleetDialog_ = nullptr;
    QLineEdit* fleetNameEdit_ = nullptr;
    QLineEdit* fleetNumberingEdit_ = nullptr;
    QUndoStack* undoStack_;
    std::vector<duoband::RegisteredRadio> radios_;  // of the chosen fleet, in register order
    bool showing_ = false;  // the table is being filled: no edit is the user's
    QString wantedFleet_;   // chosen once the fleets are listed
};
