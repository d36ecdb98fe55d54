#pragma once

#include "app/AppServices.h"
#include "document/ImportPlan.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QAction;
class QCheckBox;
class QDialog;
class QLabel;
class QPushButton;
class QTableWidget;

namespace voxtrel {

class CompareMarks;
class EditorSettings;
class NameDocument;

// Menu > Apply to other files...: one patch (a file, or the current differences) to any
// number of other name files, such as every language version. A preview shows one row per
// file: its code page (changeable), the names that would change, the conflicts, the
// characters replaced and whether it is read-only; Apply is enabled only when every file
// passes, and writes them all by the same plan as voxtrel-names apply. It owns that menu
// entry and the preview, which is not modal.
class ApplyToFiles : public QObject {
    Q_OBJECT
public:
    // Compare gives the current differences; Settings the code page remembered for a name.
    ApplyToFiles(QWidget* Window, QString Title, NameDocument& Document,
                 const AppServices& Services, const CompareMarks& Compare,
                 const EditorSettings& Settings);
    ~ApplyToFiles() override;

    QAction* Action() const { return m_Action; }
    // A file is open: the patch may come from its differences, and the open file is kept out.
    void FileOpened();

private:
    void Start();
    // The patch's bytes and its name for the preview; none when the user cancelled or it
    // could not be read (said).
    struct Patch {
        QByteArray Bytes;
        QString Name;
    };
    std::optional<Patch> ChoosePatch();
    void ShowPreview();
    // Checks every file again in the code pages the table shows, and fills the table.
    void Recheck();
    void Apply();

    QWidget* m_Window;
    QString m_Title;
    NameDocument& m_Document;
    const AppServices& m_Services;
    const CompareMarks& m_Compare;
    const EditorSettings& m_Settings;
    QAction* m_Action;

    Patch m_Patch;
    QStringList m_Files;
    std::unique_ptr<ImportPlan> m_Plan;
    QPointer<QDialog> m_Preview;
    QTableWidget* m_Table = nullptr;
    QCheckBox* m_Replace = nullptr;
    QPushButton* m_Apply = nullptr;
    QLabel* m_Summary = nullptr;
};

} // namespace voxtrel
