#pragma once

#include "exposure/lowpower/lowpowerresult.h"
#include "exposure/lowpower/lowpowerstore.h"
#include "shell/ui/pagebase.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TdtmMain;

// The low-power page: five measures and three lists stored with the owner, the ERP and
// the clearance check computed as the user types, the clearance table scaled for the
// band, and the report: " &Print" previews it, "&Files" writes the page's picture and
// the PDF report into the owner's personal directory. Next is "&Close".
class TfraQrpInput : public TfraBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfraQrpInput)

public:
    TfraQrpInput(IWizardHost &host, QWidget *parent = nullptr);
    ~TfraQrpInput() override;

    void ActivatePage() override;

    // The inputs as the fields and lists hold them now.
    TLowPowerInput WorkingInput() const;
    // Recomputes and shows the result; hides it while a measure is empty.
    void ComputeResult();
    const TLowPowerResult &LastResult() const { return m_result; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    QWidget *buildInputs();
    QWidget *buildResult();
    void fillLists();
    void loadOwner();
    void edited();
    void setPending(bool pending);
    void save();
    void cancel();
    void powerLeft();
    void filesClicked();
    void printClicked();
    QString reportFile() const;

    TdtmMain *m_dm = nullptr;
    TLowPowerLists m_lists;
    TLowPowerResult m_result;
    bool m_loading = false;

    QLineEdit *m_distA = nullptr;
    QLineEdit *m_distB = nullptr;
    QLineEdit *m_power = nullptr;
    QLineEdit *m_gain = nullptr;
    QLineEdit *m_losses = nullptr;
    QComboBox *m_mode = nullptr;
    QComboBox *m_time = nullptr;
    QComboBox *m_band = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_files = nullptr;
    QPushButton *m_print = nullptr;
    QGroupBox *m_resultBox = nullptr;
    QLabel *m_erp = nullptr;
    QLabel *m_verdict = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_picture = nullptr;
};
