#pragma once

#include "exposure/criticalpointops.h"
#include "exposure/evaluation.h"
#include "shell/ui/pagebase.h"

#include <QStringList>
#include <QVector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class TCtpListModel;
class TInputFieldFilter;
class TdtmMain;

// The critical-test-points page: every point of the owner evaluated against
// every antenna of its site, with the verdict colours and the summary line;
// a modify group for the selected point, an add group that takes one point per
// site with antennas in steps, deletion of one reference or of all points,
// and the printed table.
class TfraCriticalPnts : public TfraBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfraCriticalPnts)

public:
    TfraCriticalPnts(IWizardHost &host, QWidget *parent = nullptr);
    ~TfraCriticalPnts() override;

    void ActivatePage() override;

    const TEvaluation &Evaluation() const;
    bool IsAdding() const { return m_adding; }
    int AddStep() const { return m_step; }

protected:
    void retranslateUi() override;

private:
    std::optional<TEvaluationSummary> m_summary; // the summary line shown, if any
    void buildControls();
    QWidget *buildOverview();
    QWidget *buildModifyGroup();
    QWidget *buildAddGroup();
    QWidget *buildButtonRow();
    void fillAttenuationLists();

    // Runs the evaluation and shows it; false when the query failed.
    bool evaluatePoints();
    void setOverviewState();
    void setIdleState();
    void openPointForEditing(int row);
    void rowClicked(const QModelIndex &index);
    void rowDoubleClicked(const QModelIndex &index);
    void modifyEdited();

    void startAdding();
    bool validateAndStoreStep();
    void showStep();
    void nextStep();
    void prevStep();
    void addFieldLeft(QWidget *control);
    void stopAdding();

    void save();
    void cancel();
    void deleteReference();
    void deleteAll();
    void print();

    // Shows the rule's message when the values break one; true when they pass.
    static bool checkPoint(const QString &distance, const QString &height,
                           const QString &description);
    qint32 attenuationKey(const QComboBox *box) const;

    TdtmMain *m_dm = nullptr;
    TInputFieldFilter *m_filter = nullptr;
    TCtpListModel *m_model = nullptr;

    QGroupBox *m_overview = nullptr;
    QTableView *m_list = nullptr;
    QLabel *m_maxValue = nullptr;
    QLabel *m_maxLocation = nullptr;
    QLabel *m_maxResult = nullptr;
    QLabel *m_combined = nullptr;
    QLabel *m_incomplete = nullptr;
    QLabel *m_noLimit = nullptr;

    QGroupBox *m_modify = nullptr;
    QLabel *m_modRef = nullptr;
    QLineEdit *m_modHeight = nullptr;
    QLineEdit *m_modDist = nullptr;
    QComboBox *m_modAtt = nullptr;
    QLineEdit *m_modRem = nullptr;

    QGroupBox *m_add = nullptr;
    QLabel *m_addRef = nullptr;
    QLabel *m_addLoc = nullptr;
    QLineEdit *m_addDist = nullptr;
    QLineEdit *m_addHeight = nullptr;
    QComboBox *m_addAtt = nullptr;
    QLineEdit *m_addRem = nullptr;
    QPushButton *m_addNext = nullptr;
    QPushButton *m_addPrev = nullptr;

    QWidget *m_buttonRow = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_deleteAll = nullptr;

    // The point open for editing.
    qint32 m_editId = 0;
    QString m_editRef;

    // The add buffer: one slot per site with antennas.
    QVector<TPointEntry> m_slots;
    QStringList m_slotSites;
    int m_step = 0;
    bool m_adding = false;
    bool m_loading = false;
};
