#include "app/ApplyToFiles.h"

#include "app/ButtonWidth.h"

#include "app/CompareMarks.h"
#include "app/EditorSettings.h"
#include "app/MenuEntry.h"
#include "app/ToolBusy.h"
#include "document/FileTypes.h"
#include "document/NameDocument.h"
#include "document/NameLists.h"
#include "document/NativePath.h"
#include "names/CodePage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

namespace voxtrel {
namespace {

// The preview's columns.
enum Column {
    FileColumn,
    PageColumn,
    ChangeColumn,
    ConflictColumn,
    ReplacedColumn,
    ReadOnlyColumn,
    StateColumn,
    ColumnCount
};

QTableWidgetItem* Cell(const QString& Text, bool Number = false) {
    auto* item = new QTableWidgetItem(Text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    if (Number) {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return item;
}

} // namespace

ApplyToFiles::ApplyToFiles(QWidget* Window, QString Title, NameDocument& Document,
                           const AppServices& Services, const CompareMarks& Compare,
                           const EditorSettings& Settings)
    : QObject(Window), m_Window(Window), m_Title(std::move(Title)), m_Document(Document),
      m_Services(Services), m_Compare(Compare), m_Settings(Settings),
      m_Action(MenuEntry(this, tr("&Apply to other files..."), "MnuApplyToFiles", {}, false)) {
    connect(m_Action, &QAction::triggered, this, [this] {
        if (!ToolBusy::Refuse(m_Document) && m_Action->isEnabled()) {
            Start();
        }
    });
}

ApplyToFiles::~ApplyToFiles() = default;

void ApplyToFiles::FileOpened() {
    m_Action->setEnabled(true);
}

std::optional<ApplyToFiles::Patch> ApplyToFiles::ChoosePatch() {
    const NameComparison& compared = m_Compare.Compared();
    if (compared.Active()) {
        const QString open = NativePath::Shown(QFileInfo(m_Document.FilePath()).fileName());
        const QString other = NativePath::Shown(QFileInfo(compared.Path()).fileName());
        const int way = m_Services.Messages->Choose(
            m_Window, tr("Apply the current differences, or a patch file?"), m_Title,
            {tr("&Differences: turns %1 into %2").arg(other, open),
             tr("Differences: t&urns %1 into %2").arg(open, other), tr("A &patch file..."),
             tr("Cancel")});
        if (way == 0 || way == 1) {
            const NameChanges rows = compared.Differences(
                m_Document.Table(),
                way == 0 ? NameComparison::Direction::ToOpen : NameComparison::Direction::ToOther);
            const NameLists::Written patch =
                NameLists::WritePatch(rows, NameLists::Format::Csv, m_Document.WorkFolder());
            if (!patch.Ok()) {
                m_Services.Messages->Show(m_Window, patch.Reason(), m_Title,
                                          MessageBoxes::Icon::Warning);
                return std::nullopt;
            }
            return Patch{patch.Value(), tr("the differences that turn %1 into %2")
                                            .arg(way == 0 ? other : open, way == 0 ? open : other)};
        }
        if (way != 2) {
            return std::nullopt;
        }
    }
    const QString path = m_Services.Files->OpenPath(m_Window, tr("Apply a patch"),
                                                    QFileInfo(m_Document.FilePath()).absolutePath(),
                                                    FileTypes::ListReadFilter());
    if (path.isEmpty()) {
        return std::nullopt;
    }
    const Result<QByteArray> loaded = NameLists::Load(path);
    if (!loaded.Ok()) {
        m_Services.Messages->Show(m_Window, NativePath::Shown(loaded.Reason()), m_Title,
                                  MessageBoxes::Icon::Warning);
        return std::nullopt;
    }
    return Patch{loaded.Value(), NativePath::Shown(QFileInfo(path).fileName())};
}

void ApplyToFiles::Start() {
    std::optional<Patch> patch = ChoosePatch();
    if (!patch) {
        return;
    }
    const QStringList files = m_Services.Files->OpenPaths(
        m_Window, tr("Apply to name files"), QFileInfo(m_Document.FilePath()).absolutePath(),
        FileTypes::NameFileFilter());
    if (files.isEmpty()) {
        return;
    }
    m_Patch = std::move(*patch);
    m_Files = files;
    m_Plan = std::make_unique<ImportPlan>(m_Document.AppPath(), m_Document.FilePath());
    ShowPreview();
}

void ApplyToFiles::ShowPreview() {
    if (m_Preview) {
        m_Preview->close(); // one preview at a time: the new choice replaces it
    }
    auto* dialog = new QDialog(m_Window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("ApplyToFiles"));
    dialog->setWindowTitle(m_Title);
    m_Preview = dialog;
    auto* layout = new QVBoxLayout(dialog);
    m_Summary = new QLabel(dialog);
    m_Summary->setObjectName(QStringLiteral("ApplySummary"));
    m_Summary->setWordWrap(true);
    layout->addWidget(m_Summary);
    m_Table = new QTableWidget(int(m_Files.size()), ColumnCount, dialog);
    m_Table->setObjectName(QStringLiteral("ApplyFiles"));
    m_Table->setHorizontalHeaderLabels({tr("File"), tr("Code page"), tr("Names changed"),
                                        tr("Conflicts"), tr("Replaced"), tr("Read-only"),
                                        tr("Check")});
    m_Table->verticalHeader()->hide();
    m_Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int row = 0; row < m_Files.size(); ++row) {
        const QString file = m_Files[row];
        m_Table->setItem(row, FileColumn, Cell(NativePath::Shown(QFileInfo(file).fileName())));
        m_Table->item(row, FileColumn)->setToolTip(NativePath::Shown(file));
        // The code page remembered for its name, else the open file's.
        auto* pages = new QComboBox(m_Table);
        pages->setObjectName(QStringLiteral("ApplyPage%1").arg(row));
        for (const CodePage* page : CodePage::All()) {
            pages->addItem(page->Name());
        }
        const CodePage* remembered =
            CodePage::Find(m_Settings.Encoding(QFileInfo(file).fileName()));
        pages->setCurrentText(remembered ? remembered->Name() : m_Document.Encoding().Name());
        connect(pages, &QComboBox::currentTextChanged, this, [this] { Recheck(); });
        m_Table->setCellWidget(row, PageColumn, pages);
    }
    m_Replace = new QCheckBox(tr("&Replace characters a code page cannot hold"), dialog);
    m_Replace->setObjectName(QStringLiteral("ApplyReplace"));
    connect(m_Replace, &QCheckBox::toggled, this, [this] { Recheck(); });
    layout->addWidget(m_Table);
    layout->addWidget(m_Replace);
    auto* buttons = new QDialogButtonBox(dialog);
    m_Apply = buttons->addButton(tr("&Apply"), QDialogButtonBox::AcceptRole);
    m_Apply->setObjectName(QStringLiteral("ApplyButton"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("ApplyClose"));
    m_Apply->setAutoDefault(false);
    close->setDefault(true); // Enter does not write ten files by accident
    connect(m_Apply, &QPushButton::clicked, this, &ApplyToFiles::Apply);
    connect(close, &QPushButton::clicked, dialog, &QDialog::close);
    layout->addWidget(buttons);
    Recheck();
    m_Table->resizeColumnsToContents();
    m_Table->horizontalHeader()->setStretchLastSection(true);
    dialog->resize(760, 360);
    ButtonWidth::FitCaptions(dialog);
    dialog->show();
}

void ApplyToFiles::Recheck() {
    QList<ImportTarget> targets;
    for (int row = 0; row < m_Files.size(); ++row) {
        const auto* pages = qobject_cast<QComboBox*>(m_Table->cellWidget(row, PageColumn));
        targets << ImportTarget{m_Files[row], CodePage::Find(pages->currentText())};
    }
    ImportOptions options;
    options.Transliterate = m_Replace->isChecked();
    const QList<FileCheck>& checks = m_Plan->Check(m_Patch.Bytes, targets, options);
    for (int row = 0; row < checks.size(); ++row) {
        const FileCheck& check = checks[row];
        const bool opened = check.Result != FileCheck::Outcome::Unopened &&
                            check.Result != FileCheck::Outcome::Duplicate;
        const auto count = [opened](qsizetype n) {
            return Cell(opened ? QString::number(n) : QString(), true);
        };
        m_Table->setItem(row, ChangeColumn, count(check.Changes.size()));
        m_Table->setItem(row, ConflictColumn, count(check.Conflicts));
        m_Table->setItem(row, ReplacedColumn, count(check.Replaced().size()));
        m_Table->setItem(
            row, ReadOnlyColumn,
            Cell(check.Result == FileCheck::Outcome::ReadOnly ? tr("Yes") : QString()));
        QString state = check.Passes() ? tr("Ready") : check.Reason;
        if (check.Likely) {
            state += tr(" Its names look like %1.").arg(*check.Likely);
        }
        auto* cell = Cell(NativePath::Shown(state));
        cell->setToolTip(NativePath::Shown(state));
        if (!check.Passes()) {
            cell->setBackground(QColor(255, 218, 218));
        }
        m_Table->setItem(row, StateColumn, cell);
    }
    const qsizetype passing =
        std::count_if(checks.begin(), checks.end(), [](const FileCheck& c) { return c.Passes(); });
    m_Summary->setText(
        tr("Applying %1 to %2 files: %3 of them pass. Apply writes them all, or none "
           "while any fails its check.")
            .arg(m_Patch.Name)
            .arg(checks.size())
            .arg(passing));
    m_Apply->setEnabled(m_Plan->Passes());
}

void ApplyToFiles::Apply() {
    if (!m_Plan->Passes() || ToolBusy::Refuse(m_Document)) {
        return;
    }
    const ImportWrite written = m_Plan->Write();
    for (int row = 0; row < m_Files.size(); ++row) {
        const QString& file = m_Files[row];
        QString state = tr("No name changes; not written.");
        for (const auto& [savedFile, saved] : written.Saves) {
            if (savedFile == file) {
                state = saved.Ok() ? tr("Saved.") : saved.FailureText(file);
            }
        }
        m_Table->setItem(row, StateColumn, Cell(NativePath::Shown(state)));
    }
    m_Apply->setEnabled(false); // the files changed: a second Apply would check them again
    m_Replace->setEnabled(false);
    const auto shown = [](const QStringList& Files) {
        QStringList names;
        for (const QString& f : Files) {
            names << NativePath::Shown(QFileInfo(f).fileName());
        }
        return names.isEmpty() ? tr("none") : names.join(QStringLiteral(", "));
    };
    m_Summary->setText(written.Ok() ? tr("Written: %1.").arg(shown(written.Written))
                                    : tr("Written: %1. Not written: %2.")
                                          .arg(shown(written.Written), shown(written.NotWritten)));
}

} // namespace voxtrel
