// The antenna page: construction, activation and the two tabs.
#include "pages/ui/antennadef.h"

#include "base/messages.h"
#include "base/numberformat.h"
#include "shell/ui/wizardhost.h"
#include "shell/wizardpages.h"
#include "base/currentselection.h"
#include "store/datamodule.h"
#include "store/recordops_placement.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

TfraAntennaDef::TfraAntennaDef(IWizardHost &host, QWidget *parent)
    : TfraBase(PageAntennaDef, host, parent)
{
    buildControls();
    watchPendingEdits(m_save, m_cancel, tr("Antenna Data"), [this] { return m_placementEditing; });
    watchPendingEdits(m_customSave, m_customCancel, tr("Custom Antennas"),
                      [this] { return m_customEditing; });
}

TfraAntennaDef::~TfraAntennaDef() = default;

TdtmMain *TfraAntennaDef::dm() const
{
    return host().DataModule();
}

bool TfraAntennaDef::succeeded(const QString &error)
{
    if (error.isEmpty())
        return true;
    ShowErrorMessage(tr("Database"), error);
    return false;
}

void TfraAntennaDef::ActivatePage()
{
    TfraBase::ActivatePage();
    ApplyNumberFormat();
    if (!dm())
        return;
    {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(0);
    }
    m_customInsert = false;
    m_placementInsert = false;
    m_placementEditing = false;

    const auto bind = [](QComboBox *box, TJetDataset *model, const char *column) {
        if (box->model() == model)
            return;
        box->setModel(model);
        box->setModelColumn(qMax(0, model->fieldIndex(QLatin1String(column))));
    };
    bind(m_band, dm()->tblBandFreqSt, "BandFreqDescr");
    bind(m_customPol, dm()->tblListAntPol, "ListAntPolE");
    bind(m_customBand, dm()->tblBandFreq, "BandFreqDescr");

    fillFamilies();
    reloadPlacements();
    nextButton()->setEnabled(refreshPlacementCount() > 0);
    applyLayout();
}

void TfraAntennaDef::tabChanged(int index)
{
    if (index == 1) {
        showCustomTab();
        return;
    }
    m_placementInsert = false;
    m_placementEditing = false;
    familySelected();
    reloadPlacements();
    applyLayout();
}
