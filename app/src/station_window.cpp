// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "station_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app_settings.h"
#include "document.h"
#include "duoband/backups.h"
#include "duoband/port_discovery.h"
#include "duoband/roster.h"
#include "file_paths.h"
#include "pages/page_widgets.h"
#include "plan_problems_dialog.h"
#include "port_choice.h"
#include "screen_fit.h"
#include "user_dialogs.h"

namespace {

using duoband::JobState;
using duoband::UnitField;
using Clock = std::chrono::steady_clock;

// The table's columns: the port, one per numbered field, then the job.
constexpr int kPortColumn = 0;
int numberColumn(UnitField field) {
    return 1 + static_cast<int>(field);
}
constexpr int kStateColumn = 1 + static_cast<int>(duoband::kUnitFields.size());
constexpr int kProgressColumn = kStateColumn + 1;
constexpr int kSecondsColumn = kStateColumn + 2;
constexpr int kMessageColumn = kStateColumn + 3;
// A fleet radio's own values: after the message, so that the columns above
// keep their places, and shown beside its numbers.
int bootLineColumn(int line) {
    return kMessageColumn + 1 + line;
}
constexpr int kLabelColumn = kMessageColumn + 3;
constexpr int kColumns = kMessageColumn + 4;

QString stateText(JobState state) {
    switch (state) {
        case JobState::Waiting:
            return StationWindow::tr("Waiting");
        case JobState::Reading:
            return StationWindow::tr("Reading");
        case JobState::ReadingFirst:
            return StationWindow::tr("Reading first");
        case JobState::Writing:
            return StationWindow::tr("Writing");
        case JobState::Verifying:
            return StationWindow::tr("Verifying");
        case JobState::Done:
            return StationWindow::tr("Done");
        case JobState::Failed:
            return StationWindow::tr("Failed");
        case JobState::Cancelled:
            return StationWindow::tr("Cancelled");
    }
    return {};
}

QString fieldCaption(UnitField field) {
    return pages::fromCoreText(duoband::unitFieldLayout(field).caption);
}

QString fieldName(UnitField field) {
    return QString::fromUtf8(duoband::unitFieldLayout(field).name);
}

// A radio taken for a port that never started is recorded as cancelled,
// which gives a roster's radio back to the roster.
duoband::JobRecord unusedRadioRecord(const std::string& path,
                                     const duoband::RegisteredRadio& radio) {
    duoband::JobRecord job;
    job.kind = "write";
    job.port = path;
    job.fleet = radio.fleet;
    job.radioId = radio.id;
    job.result = "cancelled";
    job.message = QT_TRANSLATE_NOOP("duoband", "Not written: stopped before its first frame.");
    return job;
}

bool finalState(JobState state) {
    return state == JobState::Done || state == JobState::Failed || state == JobState::Cancelled;
}

// The result as the Write dialog says it: the message, and on a line of its
// own what came back at which step; a write that failed then says what the
// radio holds, and which backup restores it.
QString resultText(const duoband::JobReport& report) {
    QString text = report.messageWords.empty() ? pages::fromCoreText(report.message)
                                               : pages::fromCorePhrase(report.messageWords);
    if (!report.detail.empty()) text += "\n" + pages::fromCoreDetail(report.detail, report.why);
    if (!report.held.empty()) text += "\n" + pages::fromCoreText(report.held);
    return text;
}

}  // namespace

StationWindow::StationWindow(Document& document, PortChoice& ports, duoband::JobOptions options,
                             QWidget* parent)
    : QWidget(parent, Qt::Window),
      document_(document),
      portChoice_(ports),
      options_(std::move(options)) {
    setObjectName("stationWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Program Many Radios — %1").arg(document.name()));
    auto* column = new QVBoxLayout(this);
    buildOptions(column);
    buildNumbering(column);
    buildFleet(column);
    buildTable(column);
    buildButtons(column);
    resize(1000, 680);
    keepWithinScreen(this);

    dueTimer_ = new QTimer(this);
    dueTimer_->setSingleShot(true);
    connect(dueTimer_, &QTimer::timeout, this, &StationWindow::startDueJobs);
    secondsTimer_ = new QTimer(this);
    secondsTimer_->setInterval(std::chrono::seconds(1));
    connect(secondsTimer_, &QTimer::timeout, this, &StationWindow::showSeconds);

    // The ports there now start only when asked; the cables plugged in from
    // now on start on their own.
    ports_.setAutoStart(autoStartBox_->isChecked());
    for (const duoband::ListedPort& port : ports.ports().ports()) {
        ports_.list(port.path);
        rowFor(port);
    }
    connect(&ports, &PortChoice::cableEvent, this, &StationWindow::takeCableEvent);
    recorder_ = std::make_unique<duoband::JobRecorder>(
        appSettings::registerAddress().toStdString(), dataFolder(),
        [this](const duoband::RecorderNews& news) {
            QMetaObject::invokeMethod(
                this, [this, news] { showRegisterNews(news); }, Qt::QueuedConnection);
        });
    worker_ = std::make_unique<duoband::OrderedWorker>();
    listFleets();
    showCounts();
    fleetChosen();
    // Asked once the station shows, over it.
    QTimer::singleShot(0, this, [this] { askAboutPlan({}); });
}

StationWindow::~StationWindow() {
    closing_ = true;
    for (auto& [path, job] : jobs_) *job.stop = true;
    for (auto& [path, job] : jobs_) job.thread.join();
    worker_.reset();  // gives back the radios taken for ports that never started
    for (const NumberedField& f : numbered_)
        appSettings::setStationText(fieldName(f.field) + "Next", f.next->text());
}

// --- building -----------------------------------------------------------

QCheckBox* StationWindow::addOption(const QString& caption, const QString& name, bool byDefault) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    box->setAccessibleName(box->text().remove('&'));
    box->setChecked(appSettings::stationOption(name, byDefault));
    connect(box, &QCheckBox::toggled, this,
            [name](bool on) { appSettings::setStationOption(name, on); });
    return box;
}

void StationWindow::buildOptions(QVBoxLayout* column) {
    auto* group = new QGroupBox(tr("Each radio"));
    auto* options = new QVBoxLayout(group);
    backupFirstBox_ =
        addOption(tr("&Read the radio first and keep what it held"), "backupFirstBox", true);
    verifyBox_ = addOption(tr("&Verify after writing"), "verifyBox", false);
    fastBox_ = addOption(tr("&Fast transfer"), "fastBox", false);
    autoStartBox_ = addOption(tr("&Start when a radio is plugged in"), "autoStartBox", true);
    keepIdentityBox_ = addOption(tr("&Keep each radio's identity"), "keepIdentityBox", false);
    keepIdentityBox_->setToolTip(
        tr("Each radio is read first: one the fleet knows by its native ID gets its own values "
           "again, another one the fleet's next radio."));
    connect(autoStartBox_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) askAboutPlan({});
        ports_.setAutoStart(on);
        scheduleNextDue();
    });
    for (QCheckBox* box : {backupFirstBox_, verifyBox_, fastBox_, autoStartBox_, keepIdentityBox_})
        options->addWidget(box);
    column->addWidget(group);
}

// For each field a radio can be numbered in: on or off, and the number the
// next radio gets (moved on as radios are written); then the log.
void StationWindow::buildNumbering(QVBoxLayout* column) {
    auto* group = new QGroupBox(tr("Numbering"));
    auto* grid = new QGridLayout(group);
    int line = 0;
    for (UnitField field : duoband::kUnitFields) {
        const QString name = fieldName(field);
        auto* box = addOption(fieldCaption(field), name + "Box", false);
        auto* next = new QLineEdit;
        next->setObjectName(name + "Next");
        const auto digits = static_cast<int>(duoband::unitFieldLayout(field).digits);
        next->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QString("[0-9]{1,%1}").arg(digits)), next));
        next->setMaxLength(digits);
        next->setFixedWidth(next->fontMetrics().horizontalAdvance(QString(digits + 2, '0')) + 12);
        const QString kept = appSettings::stationText(name + "Next");
        next->setText(kept.isEmpty() ? "1" : kept);
        next->setAccessibleName(tr("Next %1").arg(fieldCaption(field)));
        // Kept as the user types it; the numbers the station moves it on
        // to are kept when it closes (a settings write per radio would
        // hold up the window).
        connect(next, &QLineEdit::textEdited, this,
                [name](const QString& text) { appSettings::setStationText(name + "Next", text); });
        connect(box, &QCheckBox::toggled, this, &StationWindow::showValueColumns);
        auto* label = new QLabel(tr("next number:"));
        label->setBuddy(next);
        grid->addWidget(box, line, 0);
        grid->addWidget(label, line, 1);
        grid->addWidget(next, line, 2);
        numbered_.push_back({field, box, next});
        ++line;
    }
    auto* logLabel = new QLabel(tr("&Log file:"));
    logFileEdit_ = new QLineEdit(logFile());
    logFileEdit_->setObjectName("logFileEdit");
    logFileEdit_->setReadOnly(true);
    logFileEdit_->setAccessibleName(tr("Log file"));
    logLabel->setBuddy(logFileEdit_);
    chooseLogButton_ = new QPushButton(tr("C&hoose…"));
    chooseLogButton_->setObjectName("chooseLogButton");
    chooseLogButton_->setAccessibleName(tr("Choose the log file"));
    connect(chooseLogButton_, &QPushButton::clicked, this, &StationWindow::chooseLog);
    grid->addWidget(logLabel, line, 0);
    grid->addWidget(logFileEdit_, line, 1, 1, 3);
    grid->addWidget(chooseLogButton_, line, 4);
    grid->setColumnStretch(3, 1);
    column->addWidget(group);
}

// The fleet whose radios the plugged radios become; none: the numbering
// above. A fleet chosen before stays listed while the register cannot be
// reached, so that no radio starts numbered another way.
void StationWindow::buildFleet(QVBoxLayout* column) {
    auto* label = new QLabel(tr("Fl&eet:"));
    fleetChoice_ = new QComboBox;
    fleetChoice_->setObjectName("fleetChoice");
    fleetChoice_->setAccessibleName(tr("Fleet"));
    fleetChoice_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    label->setBuddy(fleetChoice_);
    fleetChoice_->addItem(tr("None"), QString());
    if (const QString kept = appSettings::stationText("fleet"); !kept.isEmpty())
        fleetChoice_->addItem(kept, kept);
    fleetChoice_->setCurrentIndex(fleetChoice_->count() - 1);
    connect(fleetChoice_, &QComboBox::currentIndexChanged, this, [this] {
        appSettings::setStationText("fleet", chosenFleet());
        fleetChosen();
    });
    registerNoteLabel_ = new QLabel;
    registerNoteLabel_->setObjectName("registerNoteLabel");
    registerNoteLabel_->setWordWrap(true);
    auto* line = new QHBoxLayout;
    line->addWidget(label);
    line->addWidget(fleetChoice_);
    line->addWidget(registerNoteLabel_, 1);
    column->addLayout(line);
}

void StationWindow::buildTable(QVBoxLayout* column) {
    counterLabel_ = new QLabel;
    counterLabel_->setObjectName("counterLabel");
    noteLabel_ = new QLabel;
    noteLabel_->setObjectName("noteLabel");
    noteLabel_->setWordWrap(true);
    table_ = new QTableWidget(0, kColumns);
    table_->setObjectName("radioTable");
    table_->setAccessibleName(tr("Radios"));
    QStringList headers{tr("Port")};
    for (UnitField field : duoband::kUnitFields) headers << fieldCaption(field);
    headers << tr("State") << tr("Progress") << tr("Seconds") << tr("Message") << tr("Boot Line 1")
            << tr("Boot Line 2") << tr("Label");
    table_->setHorizontalHeaderLabels(headers);
    // A radio's own values stand beside its numbers.
    for (int value = 0; value < 3; ++value)
        table_->horizontalHeader()->moveSection(bootLineColumn(value), kStateColumn + value);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setTabKeyNavigation(false);  // Tab goes on to the buttons
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // A message's two lines stand as they are, cut at the edge; the whole
    // of it is the cell's tool tip.
    table_->setWordWrap(false);
    const int digit = fontMetrics().horizontalAdvance('0');
    table_->setColumnWidth(kPortColumn, 30 * digit);
    for (UnitField field : duoband::kUnitFields)
        table_->setColumnWidth(numberColumn(field), 14 * digit);
    table_->setColumnWidth(kStateColumn, 14 * digit);
    table_->setColumnWidth(kProgressColumn, 14 * digit);
    table_->setColumnWidth(kSecondsColumn, 9 * digit);
    for (int line = 0; line < 2; ++line) table_->setColumnWidth(bootLineColumn(line), 16 * digit);
    table_->setColumnWidth(kLabelColumn, 16 * digit);
    column->addWidget(counterLabel_);
    column->addWidget(table_, 1);
    column->addWidget(noteLabel_);
}

void StationWindow::buildButtons(QVBoxLayout* column) {
    programListedButton_ = new QPushButton(tr("&Program Listed Ports"));
    programListedButton_->setObjectName("programListedButton");
    stopButton_ = new QPushButton(tr("S&top"));
    stopButton_->setObjectName("stopButton");
    closeButton_ = new QPushButton(tr("Close"));
    closeButton_->setObjectName("closeButton");
    for (QPushButton* button : {programListedButton_, stopButton_, closeButton_})
        button->setAccessibleName(button->text().remove('&'));
    connect(programListedButton_, &QPushButton::clicked, this, &StationWindow::programListedPorts);
    connect(stopButton_, &QPushButton::clicked, this, &StationWindow::stopAll);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(programListedButton_);
    buttons->addWidget(stopButton_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    column->addLayout(buttons);
}

// --- the log ----------------------------------------------------------------

// The log chosen, or station-YYYYMMDD.csv of today in the data folder.
QString StationWindow::logFile() const {
    const QString chosen = appSettings::stationText("logFile");
    if (!chosen.isEmpty()) return chosen;
    return fromPath(
        dataFolder() /
        ("station-" + QDate::currentDate().toString("yyyyMMdd").toStdString() + ".csv"));
}

// The folder that holds the backups folder.
std::filesystem::path StationWindow::dataFolder() const {
    const std::filesystem::path backups = options_.backupFolder;
    return backups.empty() ? duoband::locateDataFolder() : backups.parent_path();
}

// Another log is opened by the next start; its numbers count from then on.
void StationWindow::chooseLog() {
    const QString chosen =
        userDialogs().appendFileName(this, tr("Log File"), tr("Station log (*.csv)"));
    if (chosen.isEmpty() || !jobs_.empty()) return;
    appSettings::setStationText("logFile", chosen);
    logFileEdit_->setText(chosen);
    log_.reset();
    told_.clear();
}

// --- ports and jobs ---------------------------------------------------------

void StationWindow::takeCableEvent(const duoband::PortEvent& event) {
    const std::string& path = event.port.path;
    if (event.kind == duoband::PortEvent::Kind::Added) {
        ports_.plugged(path, event.port.usb, Clock::now());
        const int row = rowFor(event.port);
        rows_[static_cast<std::size_t>(row)].ran = false;
        if (jobs_.count(path) == 0) showState(path, JobState::Waiting);
    } else {
        ports_.pulled(path);
        const int row = rowOf(path);
        // A port that wrote nothing leaves no row; a job's result stays.
        if (row >= 0 && !rows_[static_cast<std::size_t>(row)].ran && jobs_.count(path) == 0)
            removeRow(path);
    }
    scheduleNextDue();
}

void StationWindow::scheduleNextDue() {
    const auto next = ports_.nextDue();
    if (!next) {
        dueTimer_->stop();
        return;
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*next - Clock::now());
    dueTimer_->start(std::max(wait, std::chrono::milliseconds(0)));
}

void StationWindow::startDueJobs() {
    for (const std::string& path : ports_.due(Clock::now())) startJob(path);
    scheduleNextDue();
}

void StationWindow::programListedPorts() {
    askAboutPlan([this] {
        for (const std::string& path : ports_.idle()) startJob(path);
    });
}

// The plan's problems are asked about where the user acts, never from a
// cable event: the box waits for no answer, and `then` runs once the plan is
// cleared (at once when it has no problems or they were accepted before).
void StationWindow::askAboutPlan(const std::function<void()>& then) {
    if (planCleared(document_)) {
        if (then) then();
        return;
    }
    if (planAsked_) return;
    planAsked_ = true;
    const QStringList problems = planProblemLines(document_.model());
    userDialogs().openWriteDespiteProblems(
        this, planQuestionText(static_cast<int>(problems.size())), problems,
        [station = QPointer<StationWindow>(this), then](bool writeAnyway) {
            if (station == nullptr) return;
            station->planAsked_ = false;
            if (!writeAnyway) return;
            station->document_.acceptPlanProblems();
            if (then) then();
        });
}

void StationWindow::stopAll() {
    for (auto& [path, job] : jobs_) *job.stop = true;
    cancelled_ = taking_;
    if (jobs_.empty()) return;
    stopping_ = true;
    noteLabel_->setText(tr("Stopping: each radio stops after its current frame."));
}

// Why no radio can start now (the configuration Write would refuse, a log
// that cannot be opened); empty when the bytes and the log are ready. The
// user is told each reason once; each port refused shows it in its row.
QString StationWindow::whyNotReady() {
    if (!image_ && refusal_.isEmpty()) {
        // The same check as Write: a configuration the radio cannot take
        // is refused before any radio hears a byte.
        const duoband::ImageEncoding encoding = duoband::encodeImage(document_.model());
        if (encoding.ok()) {
            image_ = duoband::imageOf(encoding);
        } else {
            refusal_ = pages::fromCoreText(encoding.error);
        }
    }
    QString why = refusal_;
    if (why.isEmpty() && !log_) {
        auto log = std::make_unique<duoband::StationLog>();
        const duoband::Phrase problem = log->open(toPath(logFile()));
        if (problem.empty()) {
            log_ = std::move(log);
            numbering_ = duoband::StationNumbering();
            numbering_.setLog(log_.get());
        }
        why = pages::fromCorePhrase(problem);
    }
    // Asked from a timer or a cable event too: the box waits for no answer.
    if (!why.isEmpty() && why != told_) userDialogs().openError(this, why);
    told_ = why;
    return why;
}

// A port starts once at a time: it counts as running from here on, so
// neither the due timer nor Program Listed Ports starts it again.
void StationWindow::startJob(const std::string& path) {
    if (jobs_.count(path) != 0 || ports_.running(path) || rowOf(path) < 0) return;
    ports_.started(path);
    if (!planCleared(document_)) {
        return refuseStart(path, tr("Not started: the channel plan has problems not answered "
                                    "\"Write Anyway\" (Program Listed Ports asks again)."));
    }
    if (const QString why = whyNotReady(); !why.isEmpty()) return refuseStart(path, why);
    if (!chosenFleet().isEmpty()) return takeFleetRadio(path);
    const auto numbers = takeNumbers(path);
    if (!numbers) return;
    duoband::WriteInput input{duoband::withUnitNumbers(*image_, *numbers),
                              duoband::Compared::HeldBytes, *numbers};
    launch(path, input, {});
}

// The numbers of the radio on `path`; the fields show the next radio's.
std::optional<duoband::UnitNumbers> StationWindow::takeNumbers(const std::string& path) {
    duoband::StationNumbering::NumbersSet set;
    for (const NumberedField& f : numbered_) {
        if (f.box->isChecked())
            set[static_cast<std::size_t>(f.field)] = f.next->text().toStdString();
    }
    duoband::Phrase problem;
    const auto taken = numbering_.take(set, problem);
    if (!taken) {
        refuseStart(path, pages::fromCorePhrase(problem));
        return std::nullopt;
    }
    QStringList moved;
    for (const NumberedField& f : numbered_) {
        if (!set[static_cast<std::size_t>(f.field)]) continue;
        const QString given = QString::fromStdString(taken->numbers[f.field]);
        if (given != f.next->text())
            moved << tr("Numbering of the %1 continues at %2, past the numbers the log holds.")
                         .arg(fieldCaption(f.field), given);
        f.next->setText(QString::fromStdString(taken->next[f.field]));
        setCell(rowOf(path), numberColumn(f.field), given);
    }
    noteLabel_->setText(moved.join(" "));
    return taken->numbers;
}

// --- the register and its fleets ------------------------------------------------

// The register is opened on the worker (a server may take its time to
// answer); a register that cannot be reached is said once, and the jobs'
// records wait in the spool.
void StationWindow::listFleets() {
    worker_->post([this] {
        recorder_->open(false);
        QStringList fleets;
        duoband::Phrase why;
        try {
            if (recorder_->isOpen())
                for (const duoband::Fleet& fleet : recorder_->reg().fleets())
                    fleets << QString::fromStdString(fleet.name);
        } catch (const duoband::RegisterError& e) {
            why = e.why();
        }
        QMetaObject::invokeMethod(
            this,
            [this, fleets, why] {
                showFleets(fleets);
                if (!why.empty()) showRegisterNews({why, true});
            },
            Qt::QueuedConnection);
    });
}

void StationWindow::showFleets(const QStringList& fleets) {
    const QSignalBlocker quiet(fleetChoice_);
    for (const QString& fleet : fleets)
        if (fleetChoice_->findData(fleet) < 0) fleetChoice_->addItem(fleet, fleet);
}

QString StationWindow::chosenFleet() const {
    return fleetChoice_->currentData().toString();
}

// A fleet numbers the radios itself: the numbering above waits, and the
// table shows each radio's own values.
void StationWindow::fleetChosen() {
    const bool fleet = !chosenFleet().isEmpty();
    for (const NumberedField& f : numbered_) {
        f.box->setEnabled(!fleet);
        f.next->setEnabled(!fleet);
    }
    registerTold_.clear();
    showValueColumns();
    updateControls();
}

// The fleet's next radio, taken on the worker in the order the ports
// started; with keep identity the job takes it after reading the radio.
void StationWindow::takeFleetRadio(const std::string& path) {
    taking_.insert(path);
    cancelled_.erase(path);
    const int row = rowOf(path);
    rows_[static_cast<std::size_t>(row)].ran = true;
    setCell(row, kMessageColumn, tr("Taking the fleet's next radio from the register…"));
    updateControls();
    worker_->post([this, path, fleet = chosenFleet().toStdString(),
                   keepIdentity = keepIdentityBox_->isChecked()] {
        FleetJob job;
        try {
            job.fleet = fleetRadios(fleet, keepIdentity);
            if (!keepIdentity) job.radio = job.fleet->takeNext();
        } catch (const duoband::RegisterError& e) {
            QMetaObject::invokeMethod(
                this, [this, path, fleet, why = e.why()] { fleetRadioRefused(path, fleet, why); },
                Qt::QueuedConnection);
            return;
        }
        if (closing_) {
            if (job.radio) recorder_->record(unusedRadioRecord(path, *job.radio));
            return;
        }
        QMetaObject::invokeMethod(
            this, [this, path, job] { fleetRadioTaken(path, job); }, Qt::QueuedConnection);
    });
}

// The worker's: the register opened once it answers, and one FleetRadios
// per fleet and option, so that radios of one run never claim one ID twice.
std::shared_ptr<duoband::FleetRadios> StationWindow::fleetRadios(const std::string& fleet,
                                                                 bool keepIdentity) {
    if (!recorder_->isOpen())
        if (const duoband::Phrase why = recorder_->open(true); !why.empty())
            throw duoband::RegisterError(why);
    if (!workerFleet_ || workerFleet_->fleet() != fleet ||
        workerFleet_->keepsIdentity() != keepIdentity)
        workerFleet_ =
            std::make_shared<duoband::FleetRadios>(recorder_->reg(), fleet, keepIdentity);
    return workerFleet_;
}

void StationWindow::fleetRadioTaken(const std::string& path, const FleetJob& fleet) {
    taking_.erase(path);
    registerTold_.clear();
    // Pulled, stopped or closed while the register answered: the radio goes back.
    if (rowOf(path) < 0 || cancelled_.erase(path) > 0 || closing_) {
        if (fleet.radio) giveBack(path, *fleet.radio);
        ports_.ended(path);
        if (rowOf(path) >= 0) {
            showState(path, JobState::Cancelled);
            setCell(rowOf(path), kMessageColumn, tr("Stopped before it started."));
        }
        updateControls();
        return;
    }
    duoband::WriteInput input{*image_, duoband::Compared::HeldBytes, {}};
    if (fleet.radio) {
        input.image = duoband::withRadioValues(*image_, fleet.radio->values);
        input.numbers = fleet.radio->values.numbers;
    }
    launch(path, input, fleet);
}

// Each port refused says why in its row; the box comes once for one reason.
void StationWindow::fleetRadioRefused(const std::string& path, const std::string& fleet,
                                      const duoband::Phrase& problem) {
    const QString why = tr("No radio of the fleet %1 was taken: %2")
                            .arg(QString::fromStdString(fleet), pages::fromCorePhrase(problem));
    taking_.erase(path);
    cancelled_.erase(path);
    if (why != registerTold_) userDialogs().openError(this, why);
    registerTold_ = why;
    refuseStart(path, why);
    updateControls();
}

void StationWindow::giveBack(const std::string& path, const duoband::RegisteredRadio& radio) {
    worker_->post([this, job = unusedRadioRecord(path, radio)] { recorder_->record(job); });
}

void StationWindow::showValues(const std::string& path, const duoband::RadioValues& values) {
    const int row = rowOf(path);
    if (row < 0) return;
    for (UnitField field : duoband::kUnitFields)
        setCell(row, numberColumn(field), QString::fromStdString(values.numbers[field]));
    for (int line = 0; line < 2; ++line)
        setCell(row, bootLineColumn(line),
                QString::fromStdString(values.bootLines[static_cast<std::size_t>(line)]));
    setCell(row, kLabelColumn, QString::fromStdString(values.label));
    showValueColumns();
}

void StationWindow::showRegisterNews(const duoband::RecorderNews& news) {
    const QString text = pages::fromCorePhrase(news.text);
    registerNoteLabel_->setText(news.warning ? tr("Warning: %1").arg(text) : text);
    registerNoteLabel_->setAccessibleName(registerNoteLabel_->text());
}

// A port that could not start: its row says why, and it waits for its
// cable to be plugged in again, as after any job.
void StationWindow::refuseStart(const std::string& path, const QString& why) {
    ports_.ended(path);
    ++failed_;
    showCounts();
    const int row = rowOf(path);
    if (row < 0) return;
    rows_[static_cast<std::size_t>(row)].ran = true;
    showState(path, JobState::Failed);
    setCell(row, kMessageColumn, why);
    table_->resizeRowToContents(row);
}

void StationWindow::launch(const std::string& path, const duoband::WriteInput& input,
                           const FleetJob& fleet) {
    const int row = rowOf(path);
    Row& r = rows_[static_cast<std::size_t>(row)];
    r.ran = true;
    r.started = Clock::now();
    r.progress->setValue(0);
    setCell(row, kMessageColumn, {});
    setCell(row, kSecondsColumn, "0");
    duoband::RadioValues values;
    values.numbers = input.numbers;
    showValues(path, fleet.radio ? fleet.radio->values : values);
    table_->resizeRowToContents(row);
    showState(r.path, JobState::Waiting);

    duoband::JobOptions options = options_;
    options.backupFirst = backupFirstBox_->isChecked();
    options.verify = verifyBox_->isChecked();
    options.fast = fastBox_->isChecked();
    RunningJob& job = jobs_[r.path];
    options.stopRequested = [stop = job.stop] { return stop->load(); };
    const std::string configuration = loggedConfiguration();
    duoband::JobOutput output = outputFor(r.path);
    // Unattended: no question per radio, and a radio whose first read
    // failed is never written, as nothing could restore it.
    output.writeAfterFailedFirstRead = [](const duoband::ExchangeResult&) { return false; };
    job.thread =
        std::thread([this, path = r.path, input, options, configuration, output, fleet]() mutable {
            const duoband::JobReport report =
                runJob(path, input, options, output, configuration, fleet);
            const duoband::Phrase problem = log_->append(report, configuration);
            QMetaObject::invokeMethod(
                this,
                [this, path, report, problem] {
                    jobEnded(path, report, pages::fromCorePhrase(problem));
                },
                Qt::QueuedConnection);
        });
    if (!secondsTimer_->isActive()) secondsTimer_->start();
    showCounts();
    updateControls();
}

// On the job's thread: with keep identity the radio is read first and takes
// its fleet radio, then it is written, and the register records the job
// however it ended.
duoband::JobReport StationWindow::runJob(const std::string& path, duoband::WriteInput input,
                                         const duoband::JobOptions& options,
                                         duoband::JobOutput& output,
                                         const std::string& configuration, FleetJob fleet) {
    duoband::UnitNumbers before;  // what the radio held, read to keep its identity
    duoband::JobReport report;
    if (fleet.fleet && fleet.fleet->keepsIdentity()) {
        duoband::FleetRadios::Pick pick = fleet.fleet->identify(path, options, output);
        before = pick.before;
        fleet.radio = pick.radio;
        if (pick.radio) {
            input.image = duoband::withRadioValues(input.image, pick.radio->values);
            input.numbers = pick.radio->values.numbers;
            QMetaObject::invokeMethod(
                this, [this, path, values = pick.radio->values] { showValues(path, values); },
                Qt::QueuedConnection);
        } else {
            report = pick.refused;
        }
    }
    const bool written = !fleet.fleet || fleet.radio;
    if (written) report = caughtJob(path, input, options, output);
    duoband::JobRecord record = written ? duoband::writeRecordOf(report, input.image, configuration)
                                        : duoband::jobRecordOf("write", report);
    record.configuration = configuration;
    record.before = before;
    if (fleet.fleet) {
        record.fleet = fleet.fleet->fleet();
        record.radioId = fleet.radio ? fleet.radio->id : 0;
    }
    recorder_->record(record);
    if (fleet.fleet) fleet.fleet->release(path);
    return report;
}

// The job's report; an exception on the job's thread is that radio's
// failure, with its message, and the program goes on.
duoband::JobReport StationWindow::caughtJob(const std::string& path,
                                            const duoband::WriteInput& input,
                                            const duoband::JobOptions& options,
                                            duoband::JobOutput& output) const {
    bool returned = false;
    duoband::JobReport report = duoband::caughtJob(path, [&] {
        duoband::JobReport written = writeJob_(path, input, options, output);
        returned = true;
        return written;
    });
    if (returned) return report;
    // Said as any failed write is, and logged with the numbers it was given.
    report.detail = report.message;
    report.message = duoband::kWriteError;
    report.lines = {report.message};
    report.numbers = input.numbers;
    if (output.state) output.state(JobState::Failed);
    return report;
}

// The log's name for what was sent: the file, marked when the editor holds
// changes not saved into it.
std::string StationWindow::loggedConfiguration() const {
    const QString file = document_.fileName();
    QString name = file.isEmpty() ? document_.name() : file;
    if (!file.isEmpty() && document_.hasUnsavedChanges()) name += " (unsaved changes)";
    return name.toUtf8().toStdString();
}

// Called on the job's thread: each report goes to this window's thread.
duoband::JobOutput StationWindow::outputFor(const std::string& path) {
    duoband::JobOutput output;
    output.state = [this, path](JobState state) {
        // A row shows how its job ended with the job's report (jobEnded), so
        // that its state, message and the counter change together.
        if (finalState(state)) return;
        QMetaObject::invokeMethod(
            this, [this, path, state] { showState(path, state); }, Qt::QueuedConnection);
    };
    output.progress = [this, path](int steps) {
        QMetaObject::invokeMethod(
            this, [this, path, steps] { showProgress(path, steps); }, Qt::QueuedConnection);
    };
    return output;
}

void StationWindow::showState(const std::string& path, JobState state) {
    const int row = rowOf(path);
    if (row < 0) return;
    setCell(row, kStateColumn, stateText(state));
    if (state == JobState::ReadingFirst || state == JobState::Writing ||
        state == JobState::Verifying)
        rows_[static_cast<std::size_t>(row)].progress->setValue(0);
}

void StationWindow::showProgress(const std::string& path, int steps) {
    const int row = rowOf(path);
    if (row >= 0) rows_[static_cast<std::size_t>(row)].progress->setValue(steps);
}

void StationWindow::jobEnded(const std::string& path, const duoband::JobReport& report,
                             const QString& logProblem) {
    const auto job = jobs_.find(path);
    if (job != jobs_.end()) {
        job->second.thread.join();  // it has nothing left to do but return
        jobs_.erase(job);
    }
    ports_.ended(path);
    (report.ok() ? done_ : failed_) += 1;
    const int row = rowOf(path);
    if (row >= 0) {
        setCell(row, kStateColumn, stateText(duoband::endState(report)));
        QString message = resultText(report);
        if (!logProblem.isEmpty()) message += "\n" + logProblem;
        setCell(row, kMessageColumn, message);
        setCell(row, kSecondsColumn, QString::number(report.seconds, 'f', 1));
        table_->resizeRowToContents(row);
    }
    if (jobs_.empty()) {
        secondsTimer_->stop();
        if (stopping_ && !closeWhenStopped_) noteLabel_->clear();
        stopping_ = false;
    }
    showCounts();
    updateControls();
    scheduleNextDue();
    if (closeWhenStopped_ && jobs_.empty()) close();
}

// --- rows ---------------------------------------------------------------------

int StationWindow::rowOf(const std::string& path) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].path == path) return static_cast<int>(i);
    return -1;
}

int StationWindow::rowFor(const duoband::ListedPort& port) {
    if (const int row = rowOf(port.path); row >= 0) return row;
    const int row = table_->rowCount();
    table_->insertRow(row);
    auto* progress = new QProgressBar;
    progress->setRange(0, duoband::kTransferSteps);
    progress->setValue(0);
    progress->setAccessibleName(tr("Progress of %1").arg(QString::fromStdString(port.path)));
    table_->setCellWidget(row, kProgressColumn, progress);
    rows_.push_back({port.path, progress, {}, false});
    setCell(row, kPortColumn, QString::fromStdString(duoband::friendlyName(port)));
    setCell(row, kStateColumn, stateText(JobState::Waiting));
    return row;
}

void StationWindow::removeRow(const std::string& path) {
    const int row = rowOf(path);
    if (row < 0) return;
    table_->removeRow(row);
    rows_.erase(rows_.begin() + row);
}

void StationWindow::setCell(int row, int column, const QString& text) {
    auto* item = table_->item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        table_->setItem(row, column, item);
    }
    item->setText(text);
    if (column == kMessageColumn) item->setToolTip(text);
}

// A field's column stands while the field is numbered (by the numbering or
// a fleet) or a row shows one of its values; so do the boot lines and the
// label while a fleet is chosen.
void StationWindow::showValueColumns() {
    const bool fleet = !chosenFleet().isEmpty();
    const auto show = [&](int column, bool byChoice) {
        bool shown = byChoice;
        for (int row = 0; row < table_->rowCount() && !shown; ++row) {
            const auto* item = table_->item(row, column);
            shown = item != nullptr && !item->text().isEmpty();
        }
        table_->setColumnHidden(column, !shown);
    };
    for (const NumberedField& f : numbered_)
        show(numberColumn(f.field), fleet || f.box->isChecked());
    for (int column : {bootLineColumn(0), bootLineColumn(1), kLabelColumn}) show(column, fleet);
}

void StationWindow::showSeconds() {
    const auto now = Clock::now();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (jobs_.count(rows_[i].path) == 0) continue;
        const auto seconds =
            std::chrono::duration_cast<std::chrono::seconds>(now - rows_[i].started);
        setCell(static_cast<int>(i), kSecondsColumn, QString::number(seconds.count()));
    }
}

void StationWindow::showCounts() {
    counterLabel_->setText(
        tr("Done: %1    Failed: %2    Running: %3").arg(done_).arg(failed_).arg(jobs_.size()));
    counterLabel_->setAccessibleName(counterLabel_->text());
}

// The log and the fleet are not changed under running jobs.
void StationWindow::updateControls() {
    const bool running = !jobs_.empty() || !taking_.empty();
    stopButton_->setEnabled(running);
    chooseLogButton_->setEnabled(!running);
    fleetChoice_->setEnabled(!running);
    keepIdentityBox_->setEnabled(!running && !chosenFleet().isEmpty());
}

void StationWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// While radios are written the user is asked first; with "Stop and Close"
// every job stops after its current frame and the station closes once the
// last one ended (at once when they all ended while the question was open).
bool StationWindow::mayCloseNow() {
    if (jobs_.empty()) return true;
    if (closeWhenStopped_) return false;
    const QString question =
        tr("%n radio(s) are being written. Stop them after their current frame and close "
           "the station?",
           nullptr, static_cast<int>(jobs_.size()));
    if (!userDialogs().confirmWith(this, question, tr("Stop and Close"), tr("Keep Running")))
        return false;
    closeWhenStopped_ = true;
    stopAll();
    return jobs_.empty();
}

void StationWindow::closeEvent(QCloseEvent* event) {
    if (!mayCloseNow()) {
        event->ignore();
        return;
    }
    dueTimer_->stop();
    closing_ = true;  // a fleet radio the register sends now goes back
    portChoice_.disconnect(this);
    event->accept();
    emit closed();
}
