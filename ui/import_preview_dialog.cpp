#include "ui/import_preview_dialog.h"

#include "channels/channel_rows.h"
#include "core/byte_string.h"
#include "core/settings_store.h"
#include "res/load_string.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/wait_cursor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr std::string_view kSection = "ImportCsv";
constexpr std::string_view kPlacement = "Placement";
constexpr std::string_view kFrom = "From";
constexpr std::string_view kFitting = "Fitting";

constexpr int kPlacementTexts[] = {ids::kImportPlaceLocation, ids::kImportPlaceOrder, ids::kImportPlaceFree};
constexpr int kLastMemory = channel_rows::kFirstEdgeRow - 1;

// The table's columns after Line and CH, each a channel field; Tone shows the tone that goes with it.
constexpr EChannelField kFieldColumns[] = {EChannelField::Frequency, EChannelField::Duplex,
                                           EChannelField::Offset,    EChannelField::Tone,
                                           EChannelField::Name,      EChannelField::Mode};
constexpr int kColumnCount = 3 + static_cast<int>(std::size(kFieldColumns));
// Wide enough for the table's usual columns and a short note, in average characters.
constexpr int kTableWidthInCharacters = 120;
constexpr int kVisibleRows = 16;

QString FromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

QString FieldText(const channel_csv::SImportRow& row, EChannelField field)
{
    const auto value = [&row](EChannelField f) { return FromStd(row.fields[static_cast<size_t>(f)]); };
    if (field != EChannelField::Tone || value(field).isEmpty()) {
        return value(field);
    }
    const EChannelField tone = value(field) == QLatin1String(exchange::kTsql) ? EChannelField::TsqlTone
                                                                              : EChannelField::RepeaterTone;
    return value(field) + QLatin1Char(' ') + value(tone);
}

} // namespace

CImportPreviewDlg::CImportPreviewDlg(ICommandTarget& document, std::string_view text, const QString& fileName,
                                     ISettingsStore& settings, QWidget* parent)
    : QDialog(parent), m_data(document), m_text(text), m_settings(settings), m_placement(new QComboBox(this)),
      m_from(new QSpinBox(this)), m_fitting(new QCheckBox(LoadString(ids::kImportFitting), this)),
      m_table(new QTableWidget(0, kColumnCount, this)), m_summary(new QLabel(this))
{
    setObjectName(QStringLiteral("importPreviewDialog"));
    setWindowTitle(LoadString(ids::kImportPreviewTitleFormat).arg(fileName));
    const channel_csv::SImportOptions stored = StoredOptions(settings);

    m_placement->setObjectName(QStringLiteral("placementCombo"));
    for (const int textId : kPlacementTexts) {
        m_placement->addItem(LoadString(textId));
    }
    m_placement->setCurrentIndex(static_cast<int>(stored.placement));
    auto* placeLabel = new QLabel(LoadString(ids::kImportPlaceLabel), this);
    placeLabel->setBuddy(m_placement);
    m_from->setObjectName(QStringLiteral("fromSpin"));
    m_from->setRange(0, kLastMemory);
    m_from->setValue(stored.from);
    auto* fromLabel = new QLabel(LoadString(ids::kImportFromLabel), this);
    fromLabel->setBuddy(m_from);
    m_fitting->setObjectName(QStringLiteral("fittingCheck"));
    m_fitting->setChecked(stored.fitting);

    auto* choices = new QHBoxLayout;
    choices->addWidget(placeLabel);
    choices->addWidget(m_placement);
    choices->addWidget(fromLabel);
    choices->addWidget(m_from);
    choices->addWidget(m_fitting);
    choices->addStretch(1);

    auto* intro = new QLabel(LoadString(ids::kImportPreviewIntro), this);
    intro->setObjectName(QStringLiteral("previewIntro"));
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);

    m_table->setObjectName(QStringLiteral("previewTable"));
    QStringList headers;
    for (int column = 0; column < kColumnCount; ++column) {
        headers.append(LoadString(ids::kImportColumnLine + column));
    }
    m_table->setHorizontalHeaderLabels(headers);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    const QFontMetrics metrics(font());
    m_table->setMinimumSize(metrics.averageCharWidth() * kTableWidthInCharacters,
                            metrics.height() * 3 / 2 * kVisibleRows);

    m_summary->setObjectName(QStringLiteral("previewSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);

    QDialogButtonBox* buttons = CreateDialogButtons(this, EDialogButtons::OkCancel);
    m_ok = buttons->findChild<QPushButton*>(QStringLiteral("okButton"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(intro);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);

    connect(m_placement, &QComboBox::currentIndexChanged, this, &CImportPreviewDlg::Refresh);
    connect(m_from, &QSpinBox::valueChanged, this, &CImportPreviewDlg::Refresh);
    connect(m_fitting, &QCheckBox::toggled, this, &CImportPreviewDlg::Refresh);
    Refresh();
    // A list that goes in at its Locations is taken with Enter.
    m_ok->setFocus();
}

channel_csv::SImportOptions CImportPreviewDlg::Options() const
{
    channel_csv::SImportOptions options;
    options.placement = static_cast<channel_csv::EPlacement>(m_placement->currentIndex());
    options.from = m_from->value();
    options.fitting = m_fitting->isChecked();
    return options;
}

channel_csv::SImportOptions CImportPreviewDlg::StoredOptions(const ISettingsStore& settings)
{
    channel_csv::SImportOptions options;
    const int placement = settings.GetInt(kSection, kPlacement, 0);
    if (placement >= 0 && placement < static_cast<int>(std::size(kPlacementTexts))) {
        options.placement = static_cast<channel_csv::EPlacement>(placement);
    }
    options.from = std::clamp(settings.GetInt(kSection, kFrom, 0), 0, kLastMemory);
    options.fitting = settings.GetInt(kSection, kFitting, 0) != 0;
    return options;
}

void CImportPreviewDlg::accept()
{
    const channel_csv::SImportOptions options = Options();
    m_settings.SetInt(kSection, kPlacement, static_cast<int>(options.placement));
    m_settings.SetInt(kSection, kFrom, options.from);
    m_settings.SetInt(kSection, kFitting, options.fitting ? 1 : 0);
    QDialog::accept();
}

void CImportPreviewDlg::Refresh()
{
    m_from->setEnabled(m_placement->currentIndex() != static_cast<int>(channel_csv::EPlacement::Location));
    {
        CWaitCursor wait;
        m_preview = channel_csv::PreviewImport(m_data, m_text, Options());
    }
    const channel_csv::SReport& report = m_preview.report;
    m_table->setRowCount(static_cast<int>(report.rows.size()));
    int overwritten = 0;
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const channel_csv::SImportRow& row = report.rows[static_cast<size_t>(r)];
        QStringList cells{QString::number(row.line)};
        if (row.channel) {
            QString label = FromStd(channel_rows::ChannelLabel(m_data, *row.channel));
            if (row.overwrites) {
                label += LoadString(ids::kImportOverwriteMark);
                ++overwritten;
            }
            cells.append(label);
            for (const EChannelField field : kFieldColumns) {
                cells.append(FieldText(row, field));
            }
        } else {
            for (int column = 1; column < kColumnCount - 1; ++column) {
                cells.append(QString());
            }
        }
        // Control bytes of the file are shown as \xNN, as in every note.
        cells.append(FromStd(EscapeControlBytes(row.note)));
        for (int column = 0; column < kColumnCount; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column == kColumnCount - 1) {
                item->setToolTip(cells[column]);
            }
            if (row.overwrites) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            m_table->setItem(r, column, item);
        }
    }
    m_table->resizeColumnsToContents();
    QString summary =
        LoadString(ids::kImportSummaryFormat).arg(report.stored).arg(report.skipped).arg(overwritten);
    // A file with no rows for this placement (no Location column at the Locations) says why.
    if (!report.readable) {
        for (const channel_csv::SNote& note : report.notes) {
            summary += QLatin1Char('\n') + FromStd(channel_csv::FormatNote(note));
        }
    }
    m_summary->setText(summary);
    m_ok->setEnabled(report.readable);
}
