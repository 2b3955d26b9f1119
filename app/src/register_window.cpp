// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "register_window.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <memory>

#include "duoband/fleet_tasks.h"
#include "duoband/whole_file.h"
#include "file_paths.h"
#include "pages/page_widgets.h"
#include "register_link.h"
#include "user_dialogs.h"

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr std::array<const char*, RegisterWindow::ColumnCount> kRadioHeaders{
    QT_TRANSLATE_NOOP("RegisterWindow", "Native ID"),
    QT_TRANSLATE_NOOP("RegisterWindow", "Identity code"),
    QT_TRANSLATE_NOOP("RegisterWindow", "Boot line 1"),
    QT_TRANSLATE_NOOP("RegisterWindow", "Boot line 2"),
    QT_TRANSLATE_NOOP("RegisterWindow", "Label"),
    QT_TRANSLATE_NOOP("RegisterWindow", "Notes"),
    QT_TRANSLATE_NOOP("RegisterWindow", "State"),
    QT_TRANSLATE_NOOP("RegisterWindow", "Last programmed"),
    QT_TRANSLATE_NOOP("RegisterWindow", "Configuration"),
    QT_TRANSLATE_NOOP("RegisterWindow", "Result")};

std::array<std::string, RegisterWindow::ColumnCount> cellsOf(const duoband::RegisteredRadio& r) {
    using duoband::UnitField;
    return {r.values.numbers[UnitField::NativeId],
            r.values.numbers[UnitField::IdentityCode],
            r.values.bootLines[0],
            r.values.bootLines[1],
            r.values.label,
            r.values.notes,
            r.state,
            r.lastProgrammed,
            r.configuration,
            r.result};
}

// The register keeps a radio's state and a job's result in English words
// (its CSV and the command line show them so); the window translates them.
QString shownWord(const std::string& word) {
    static constexpr std::array kWords{QT_TRANSLATE_NOOP("RegisterWindow", "planned"),
                                       QT_TRANSLATE_NOOP("RegisterWindow", "reserved"),
                                       QT_TRANSLATE_NOOP("RegisterWindow", "programmed"),
                                       QT_TRANSLATE_NOOP("RegisterWindow", "success"),
                                       QT_TRANSLATE_NOOP("RegisterWindow", "failed"),
                                       QT_TRANSLATE_NOOP("RegisterWindow", "cancelled")};
    for (const char* known : kWords)
        if (word == known) return RegisterWindow::tr(known);
    return fromUtf8(word);
}

// "1001", or "1001->2002" when a job changed it.
QString nativeIdChange(const duoband::JobRecord& job) {
    const std::string& before = job.before[duoband::UnitField::NativeId];
    const std::string& after = job.after[duoband::UnitField::NativeId];
    if (before.empty() || before == after) return fromUtf8(after);
    return fromUtf8(before + "->" + after);
}

// One step of the window's undo: a radio's label and notes as they were and
// as edited.
class LabelEdit final : public QUndoCommand {
  public:
    LabelEdit(RegisterWindow& window, long long radioId, duoband::RadioValues before,
              duoband::RadioValues after)
        : QUndoCommand(RegisterWindow::tr("Edit %1's label and notes")
                           .arg(fromUtf8(before.numbers[duoband::UnitField::NativeId]))),
          window_(window),
          radioId_(radioId),
          before_(std::move(before)),
          after_(std::move(after)) {}
    void redo() override { window_.setLabelAndNotes(radioId_, after_.label, after_.notes); }
    void undo() override { window_.setLabelAndNotes(radioId_, before_.label, before_.notes); }

  private:
    RegisterWindow& window_;
    long long radioId_;
    duoband::RadioValues before_;
    duoband::RadioValues after_;
};

}  // namespace

RegisterWindow::RegisterWindow(const std::string& address, const std::filesystem::path& dataFolder,
                               QWidget* parent)
    : QWidget(parent, Qt::Window),
      link_(new RegisterLink(address, dataFolder, this)),
      undoStack_(new QUndoStack(this)) {
    setObjectName("registerWindow");
    setWindowTitle(tr("Radio Register"));
    setAttribute(Qt::WA_DeleteOnClose);
    connect(link_, &RegisterLink::said, this, &RegisterWindow::say);
    connect(link_, &RegisterLink::idle, this, &RegisterWindow::settled);
    buildControls();
    // Within 1024×768 with its frame and a panel.
    resize(980, 640);
    refresh();
}

RegisterWindow::~RegisterWindow() = default;

QPushButton* RegisterWindow::makeButton(const QString& caption, const char* name,
                                        const QString& spoken, void (RegisterWindow::*handler)()) {
    auto* push = new QPushButton(caption, this);
    push->setObjectName(name);
    push->setAccessibleName(spoken);
    push->setAutoDefault(false);
    if (handler != nullptr) connect(push, &QPushButton::clicked, this, handler);
    return push;
}

// The fleet, the filter and the fleet's commands, on one line.
QLayout* RegisterWindow::buildFleetRow() {
    fleetList_ = new QComboBox;
    fleetList_->setObjectName("fleetList");
    fleetList_->setAccessibleName(tr("Fleet"));
    fleetList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* fleetLabel = new QLabel(tr("&Fleet:"));
    fleetLabel->setBuddy(fleetList_);
    filterEdit_ = new QLineEdit;
    filterEdit_->setObjectName("filterEdit");
    filterEdit_->setAccessibleName(tr("Filter the radios"));
    filterEdit_->setPlaceholderText(tr("Text in any column"));
    auto* filterLabel = new QLabel(tr("F&ilter:"));
    filterLabel->setBuddy(filterEdit_);
    newFleetButton_ =
        makeButton(tr("&New Fleet…"), "newFleetButton", tr("New Fleet"), &RegisterWindow::newFleet);
    importButton_ = makeButton(tr("Import &Roster…"), "importRosterButton", tr("Import Roster"),
                               &RegisterWindow::importRoster);
    exportButton_ = makeButton(tr("&Export CSV…"), "exportCsvButton", tr("Export CSV"),
                               &RegisterWindow::exportCsv);
    QPushButton* refreshButton =
        makeButton(tr("Re&fresh"), "refreshButton", tr("Refresh"), &RegisterWindow::refresh);
    refreshButton->setShortcut(QKeySequence::Refresh);
    auto* top = new QHBoxLayout;
    top->addWidget(fleetLabel);
    top->addWidget(fleetList_);
    top->addWidget(filterLabel);
    top->addWidget(filterEdit_, 1);
    top->addWidget(newFleetButton_);
    top->addWidget(importButton_);
    top->addWidget(exportButton_);
    top->addWidget(refreshButton);
    return top;
}

QWidget* RegisterWindow::buildRadioTable() {
    radioModel_ = new QStandardItemModel(0, ColumnCount, this);
    for (int c = 0; c < ColumnCount; ++c)
        radioModel_->setHorizontalHeaderItem(c, new QStandardItem(tr(kRadioHeaders.at(c))));
    shown_ = new QSortFilterProxyModel(this);
    shown_->setSourceModel(radioModel_);
    shown_->setFilterKeyColumn(-1);
    shown_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    radioTable_ = new QTableView;
    radioTable_->setObjectName("radioTable");
    radioTable_->setAccessibleName(tr("Radios of the fleet"));
    radioTable_->setModel(shown_);
    radioTable_->setSortingEnabled(true);
    radioTable_->sortByColumn(-1, Qt::AscendingOrder);  // the register's order until asked
    radioTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    radioTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    radioTable_->setEditTriggers(QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed);
    radioTable_->setTabKeyNavigation(false);
    radioTable_->horizontalHeader()->setStretchLastSection(true);
    radioTable_->verticalHeader()->hide();
    auto* radiosLabel = new QLabel(tr("R&adios (Label and Notes can be edited):"));
    radiosLabel->setBuddy(radioTable_);
    auto* part = new QWidget;
    auto* column = new QVBoxLayout(part);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(radiosLabel);
    column->addWidget(radioTable_);
    return part;
}

// The chosen radio's jobs, with what can be done from one of them.
QWidget* RegisterWindow::buildHistory() {
    historyTable_ = new QTableWidget(0, 7);
    historyTable_->setObjectName("historyTable");
    historyTable_->setAccessibleName(tr("Jobs of the chosen radio"));
    historyTable_->setHorizontalHeaderLabels({tr("Time"), tr("Kind"), tr("Port"), tr("Native ID"),
                                              tr("Result"), tr("Configuration"), tr("Backup")});
    historyTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    historyTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    historyTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    historyTable_->setTabKeyNavigation(false);
    historyTable_->horizontalHeader()->setStretchLastSection(true);
    historyTable_->verticalHeader()->hide();
    auto* historyLabel = new QLabel(tr("&Jobs of the chosen radio, newest first:"));
    historyLabel->setBuddy(historyTable_);
    compareButton_ = makeButton(tr("&Compare With Backup"), "compareBackupButton",
                                tr("Compare With Backup"), &RegisterWindow::compareWithBackup);
    openButton_ = makeButton(tr("&Open Backup"), "openBackupButton", tr("Open Backup"),
                             &RegisterWindow::openBackup);
    QAction* undo = undoStack_->createUndoAction(this, tr("&Undo"));
    undo->setShortcut(QKeySequence::Undo);
    undo->setObjectName("registerUndoAction");
    QAction* redo = undoStack_->createRedoAction(this, tr("Re&do"));
    redo->setShortcuts({QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::Key_Y)});
    redo->setObjectName("registerRedoAction");
    addActions({undo, redo});
    const auto toolButton = [this](QAction* action, const char* name, const QString& spoken) {
        auto* tool = new QToolButton(this);
        tool->setDefaultAction(action);
        tool->setObjectName(name);
        tool->setAccessibleName(spoken);
        tool->setFocusPolicy(Qt::StrongFocus);
        tool->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return tool;
    };
    QPushButton* closeButton = makeButton(tr("Close"), "closeButton", tr("Close"), nullptr);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(compareButton_);
    bottom->addWidget(openButton_);
    bottom->addStretch(1);
    bottom->addWidget(toolButton(undo, "undoButton", tr("Undo")));
    bottom->addWidget(toolButton(redo, "redoButton", tr("Redo")));
    bottom->addWidget(closeButton);
    auto* part = new QWidget;
    auto* column = new QVBoxLayout(part);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(historyLabel);
    column->addWidget(historyTable_);
    column->addLayout(bottom);
    return part;
}

void RegisterWindow::buildControls() {
    status_ = new QLabel;
    status_->setObjectName("registerStatus");
    status_->setAccessibleName(tr("Register status"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // Made in the order the keyboard goes through them.
    QLayout* top = buildFleetRow();
    auto* split = new QSplitter(Qt::Vertical);
    split->setChildrenCollapsible(false);
    split->addWidget(buildRadioTable());
    split->addWidget(buildHistory());
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(split, 1);
    column->addWidget(status_);

    connect(fleetList_, &QComboBox::currentIndexChanged, this, &RegisterWindow::listRadios);
    connect(filterEdit_, &QLineEdit::textChanged, shown_,
            &QSortFilterProxyModel::setFilterFixedString);
    connect(radioModel_, &QStandardItemModel::itemChanged, this, &RegisterWindow::radioEdited);
    connect(radioTable_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &RegisterWindow::listHistory);
    connect(historyTable_, &QTableWidget::currentCellChanged, this, &RegisterWindow::updateButtons);
    connect(shown_, &QAbstractItemModel::rowsInserted, this, &RegisterWindow::updateButtons);
    connect(shown_, &QAbstractItemModel::rowsRemoved, this, &RegisterWindow::updateButtons);
    updateButtons();
}

bool RegisterWindow::idle() const {
    return link_->pending() == 0;
}

QString RegisterWindow::statusText() const {
    return status_->text();
}

void RegisterWindow::say(const QString& text) {
    status_->setText(text);
}

QString RegisterWindow::chosenFleet() const {
    return fleetList_->currentData().toString();
}

void RegisterWindow::refresh() {
    if (wantedFleet_.isEmpty()) wantedFleet_ = chosenFleet();
    auto fleets = std::make_shared<std::vector<duoband::Fleet>>();
    link_->run(
        [fleets](duoband::RadioRegister& reg) { *fleets = reg.fleets(); },
        [this, fleets](const duoband::Phrase& problem) {
            if (!problem.empty())
                return say(
                    tr("The register cannot be read: %1").arg(pages::fromCorePhrase(problem)));
            listFleets(*fleets);
        });
}

void RegisterWindow::listFleets(const std::vector<duoband::Fleet>& fleets) {
    const QString wanted = std::exchange(wantedFleet_, {});
    const QSignalBlocker quiet(fleetList_);
    fleetList_->clear();
    for (const duoband::Fleet& f : fleets) {
        const QString name = fromUtf8(f.name);
        const QString numbering = fromUtf8(duoband::numberingText(f));
        fleetList_->addItem(f.radios == 1 ? tr("%1 (1 radio; numbering: %2)").arg(name, numbering)
                                          : tr("%1 (%2 radios; numbering: %3)")
                                                .arg(name, QString::number(f.radios), numbering),
                            name);
    }
    const int at = fleetList_->findData(wanted);
    fleetList_->setCurrentIndex(at >= 0 ? at : 0);
    if (fleets.empty()) say(tr("The register holds no fleet yet: New Fleet… adds one."));
    updateButtons();
    listRadios();
}

void RegisterWindow::listRadios() {
    const QString fleet = chosenFleet();
    if (fleet.isEmpty()) return showRadios({});
    auto radios = std::make_shared<std::vector<duoband::RegisteredRadio>>();
    link_->run(
        [radios, name = fleet.toStdString()](duoband::RadioRegister& reg) {
            *radios = reg.radios(name);
        },
        [this, radios, fleet](const duoband::Phrase& problem) {
            if (!problem.empty())
                return say(
                    tr("The register cannot be read: %1").arg(pages::fromCorePhrase(problem)));
            // An answer for a fleet no longer chosen is dropped.
            if (fleet == chosenFleet()) showRadios(std::move(*radios));
        });
}

void RegisterWindow::showRadios(std::vector<duoband::RegisteredRadio> radios) {
    const duoband::RegisteredRadio* current = currentRadio();
    const long long keep = current != nullptr ? current->id : 0;
    radios_ = std::move(radios);
    showing_ = true;
    radioModel_->removeRows(0, radioModel_->rowCount());
    for (const duoband::RegisteredRadio& radio : radios_) {
        QList<QStandardItem*> row;
        const auto cells = cellsOf(radio);
        for (int c = 0; c < ColumnCount; ++c) {
            const bool word = c == State || c == Result;
            auto* item = new QStandardItem(word ? shownWord(cells[c]) : fromUtf8(cells[c]));
            item->setData(radio.id, Qt::UserRole);
            item->setEditable(false);
            row << item;
        }
        row[Label]->setEditable(true);
        row[Notes]->setEditable(true);
        radioModel_->appendRow(row);
    }
    showing_ = false;
    radioTable_->resizeColumnsToContents();
    for (int r = 0; r < shown_->rowCount(); ++r) {
        if (shown_->index(r, 0).data(Qt::UserRole).toLongLong() == keep || keep == 0) {
            radioTable_->setCurrentIndex(shown_->index(r, 0));
            break;
        }
    }
    if (radios_.empty()) showHistory({});
    updateButtons();
}

const duoband::RegisteredRadio* RegisterWindow::currentRadio() const {
    const QModelIndex current = radioTable_->currentIndex();
    if (!current.isValid()) return nullptr;
    const int row = shown_->mapToSource(current).row();
    return row >= 0 && row < int(radios_.size()) ? &radios_[std::size_t(row)] : nullptr;
}

void RegisterWindow::listHistory() {
    const duoband::RegisteredRadio* radio = currentRadio();
    const std::string id =
        radio != nullptr ? radio->values.numbers[duoband::UnitField::NativeId] : std::string();
    if (id.empty()) return showHistory({});
    auto jobs = std::make_shared<std::vector<duoband::JobRecord>>();
    link_->run(
        [jobs, id](duoband::RadioRegister& reg) { *jobs = reg.history(id); },
        [this, jobs, id](const duoband::Phrase& problem) {
            if (!problem.empty())
                return say(
                    tr("The register cannot be read: %1").arg(pages::fromCorePhrase(problem)));
            const duoband::RegisteredRadio* now = currentRadio();
            if (now != nullptr && now->values.numbers[duoband::UnitField::NativeId] == id)
                showHistory(*jobs);
        });
}

void RegisterWindow::showHistory(const std::vector<duoband::JobRecord>& jobs) {
    historyTable_->setRowCount(0);
    for (const duoband::JobRecord& job : jobs) {
        const int row = historyTable_->rowCount();
        historyTable_->insertRow(row);
        const QString backup = fromUtf8(job.backup);
        const QStringList cells{fromUtf8(job.time),          fromUtf8(job.kind),
                                fromUtf8(job.port),          nativeIdChange(job),
                                shownWord(job.result),       fromUtf8(job.configuration),
                                QFileInfo(backup).fileName()};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setData(Qt::UserRole, backup);
            if (c == cells.size() - 1) item->setToolTip(backup);
            historyTable_->setItem(row, c, item);
        }
    }
    historyTable_->resizeColumnsToContents();
    if (!jobs.empty()) historyTable_->setCurrentCell(0, 0);
    updateButtons();
}

QString RegisterWindow::chosenBackup() const {
    const QTableWidgetItem* item = historyTable_->currentItem();
    const QString backup = item != nullptr ? item->data(Qt::UserRole).toString() : QString();
    return !backup.isEmpty() && QFileInfo::exists(backup) ? backup : QString();
}

void RegisterWindow::updateButtons() {
    const bool backup = !chosenBackup().isEmpty();
    compareButton_->setEnabled(backup);
    openButton_->setEnabled(backup);
    importButton_->setEnabled(!chosenFleet().isEmpty());
    exportButton_->setEnabled(shown_->rowCount() > 0);
}

void RegisterWindow::radioEdited(QStandardItem* item) {
    if (showing_ || (item->column() != Label && item->column() != Notes)) return;
    const long long id = item->data(Qt::UserRole).toLongLong();
    const auto radio =
        std::find_if(radios_.begin(), radios_.end(), [id](const auto& r) { return r.id == id; });
    if (radio == radios_.end()) return;
    duoband::RadioValues after = radio->values;
    (item->column() == Label ? after.label : after.notes) = item->text().toStdString();
    if (after.label == radio->values.label && after.notes == radio->values.notes) return;
    undoStack_->push(new LabelEdit(*this, id, radio->values, after));
}

void RegisterWindow::setLabelAndNotes(long long radioId, const std::string& label,
                                      const std::string& notes) {
    for (std::size_t row = 0; row < radios_.size(); ++row) {
        if (radios_[row].id != radioId) continue;
        radios_[row].values.label = label;
        radios_[row].values.notes = notes;
        showing_ = true;
        radioModel_->item(int(row), Label)->setText(fromUtf8(label));
        radioModel_->item(int(row), Notes)->setText(fromUtf8(notes));
        showing_ = false;
    }
    link_->run(
        [radioId, label, notes](duoband::RadioRegister& reg) {
            if (!reg.setLabelAndNotes(radioId, label, notes))
                throw duoband::RegisterError(
                    QT_TRANSLATE_NOOP("duoband", "the radio is no longer in the register"));
        },
        [this](const duoband::Phrase& problem) {
            say(problem.empty()
                    ? tr("Label and notes kept in the register.")
                    : tr("Label and notes not kept: %1").arg(pages::fromCorePhrase(problem)));
        });
}

void RegisterWindow::newFleet() {
    if (newFleetDialog_ == nullptr) {
        newFleetDialog_ = new QDialog(this);
        newFleetDialog_->setObjectName("newFleetDialog");
        newFleetDialog_->setWindowTitle(tr("New Fleet"));
        fleetNameEdit_ = new QLineEdit;
        fleetNameEdit_->setObjectName("fleetNameEdit");
        fleetNameEdit_->setAccessibleName(tr("Fleet name"));
        fleetNumberingEdit_ = new QLineEdit;
        fleetNumberingEdit_->setObjectName("fleetNumberingEdit");
        fleetNumberingEdit_->setAccessibleName(tr("Numbering"));
        fleetNumberingEdit_->setPlaceholderText("native-id=1000 identity-code=0001");
        auto* problem = new QLabel;
        problem->setObjectName("newFleetProblem");
        problem->setWordWrap(true);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        auto* form = new QFormLayout(newFleetDialog_);
        form->addRow(tr("&Name:"), fleetNameEdit_);
        form->addRow(tr("N&umbering (FIELD=START, none or more):"), fleetNumberingEdit_);
        form->addRow(problem);
        form->addRow(buttons);
        connect(buttons, &QDialogButtonBox::accepted, this, &RegisterWindow::addFleet);
        connect(buttons, &QDialogButtonBox::rejected, newFleetDialog_, &QDialog::reject);
    }
    fleetNameEdit_->clear();
    fleetNumberingEdit_->clear();
    newFleetDialog_->findChild<QLabel*>("newFleetProblem")->clear();
    newFleetDialog_->open();
    fleetNameEdit_->setFocus();
}

// The dialog stays open until its values can be taken.
void RegisterWindow::addFleet() {
    auto* problemLabel = newFleetDialog_->findChild<QLabel*>("newFleetProblem");
    const QString name = fleetNameEdit_->text().trimmed();
    if (name.isEmpty()) return problemLabel->setText(tr("Give the fleet a name."));
    std::vector<std::string> starts;
    for (const QString& start :
         fleetNumberingEdit_->text().split(QRegularExpression("[\\s,;]+"), Qt::SkipEmptyParts))
        starts.push_back(start.toStdString());
    std::string problem;
    const auto numbering = duoband::fleetNumbering(starts, problem);
    if (!numbering) return problemLabel->setText(fromUtf8(problem));
    newFleetDialog_->accept();
    link_->run(
        [name = name.toStdString(), numbering = *numbering](duoband::RadioRegister& reg) {
            reg.addFleet(name, numbering);
        },
        [this, name](const duoband::Phrase& why) {
            if (!why.empty())
                return say(tr("Fleet %1 not added: %2").arg(name, pages::fromCorePhrase(why)));
            say(tr("Fleet %1 added.").arg(name));
            wantedFleet_ = name;
            refresh();
        });
}

void RegisterWindow::importRoster() {
    const QString fleet = chosenFleet();
    if (fleet.isEmpty()) return say(tr("Choose the fleet the roster is for first."));
    const QString file = userDialogs().openFileName(this, tr("Import Roster"), "*.csv");
    if (file.isEmpty()) return;
    auto bytes = std::make_shared<std::string>();
    if (const duoband::FileResult read = duoband::readWholeFile(toPath(file), *bytes); !read.ok())
        return userDialogs().openMessage(this, UserDialogs::MessageKind::Error,
                                         pages::fromCoreText(read.error), [] {});
    say(tr("Importing %1…").arg(QFileInfo(file).fileName()));
    auto result = std::make_shared<duoband::RosterImport>();
    link_->run(
        [result, bytes, name = fleet.toStdString()](duoband::RadioRegister& reg) {
            *result = duoband::importRoster(reg, name, *bytes);
        },
        [this, result, fleet, file](const duoband::Phrase& problem) {
            const QString shortName = QFileInfo(file).fileName();
            if (!problem.empty())
                return say(tr("Nothing imported: %1").arg(pages::fromCorePhrase(problem)));
            if (result->imported()) {
                say(result->planned == 1 ? tr("1 radio planned in fleet %1.").arg(fleet)
                                         : tr("%1 radios planned in fleet %2.")
                                               .arg(QString::number(result->planned), fleet));
                wantedFleet_ = fleet;
                return refresh();
            }
            QStringList report;
            if (!result->error.empty()) {
                report << tr("%1: %2").arg(shortName, pages::fromCorePhrase(result->error));
            } else {
                report
                    << tr("Nothing imported from %1; correct the rows named below.").arg(shortName);
                for (const duoband::Phrase& refusal : result->refusals)
                    report << pages::fromCorePhrase(refusal);
            }
            say(tr("Nothing imported from %1.").arg(shortName));
            userDialogs().openMessage(this, UserDialogs::MessageKind::Warning, report.join("\n"),
                                      [] {});
        });
}

void RegisterWindow::exportCsv() {
    std::vector<duoband::RegisteredRadio> shown;
    for (int r = 0; r < shown_->rowCount(); ++r)
        shown.push_back(radios_.at(std::size_t(shown_->mapToSource(shown_->index(r, 0)).row())));
    const QString file = userDialogs().saveFileName(this, tr("Export CSV"), "*.csv");
    if (file.isEmpty()) return;
    const duoband::FileResult written =
        duoband::writeFileAtomically(toPath(file), duoband::radiosCsv(shown));
    if (!written.ok())
        return userDialogs().openMessage(this, UserDialogs::MessageKind::Error,
                                         pages::fromCoreText(written.error), [] {});
    say(shown.size() == 1
            ? tr("1 radio exported to %1.").arg(file)
            : tr("%1 radios exported to %2.").arg(QString::number(shown.size()), file));
}

void RegisterWindow::compareWithBackup() {
    if (const QString backup = chosenBackup(); !backup.isEmpty())
        emit compareWithBackupAsked(backup);
}

void RegisterWindow::openBackup() {
    if (const QString backup = chosenBackup(); !backup.isEmpty()) emit openBackupAsked(backup);
}
