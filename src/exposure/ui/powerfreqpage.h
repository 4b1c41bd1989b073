#pragma once

#include "exposure/powerchain.h"
#include "exposure/powerchainstore.h"
#include "shell/ui/pagebase.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class TInputFieldFilter;
class TdtmMain;

// The power-chain page: the owner's placements in a tree, and for the selected
// one the transmitter power, the feed line, the additional losses, mode and
// transmit time, with the power at the antenna and the EIRP computed as the
// user types. Save writes the inputs and the shown results into the placement.
//
// "Copy" fills the fields with another placement's power chain; like typed
// values, they are stored only by Save.
//
// Pending edits are never lost silently: selecting another placement or
// leaving the page asks whether to save them first.
class TfraPowerFreq : public TfraBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfraPowerFreq)

public:
    TfraPowerFreq(IWizardHost &host, QWidget *parent = nullptr);
    ~TfraPowerFreq() override;

    void ActivatePage() override;

    // The working values read from the fields, and their recomputation.
    TPowerChainInput WorkingValues() const;
    void lossesRecalc();

    bool HasPendingChanges() const { return m_dirty; }
    // Closing the window asks as Next and Back do.
    bool ResolvePendingEdits() override { return resolvePendingEdits(); }

protected:
    void NextClicked() override;
    void BackClicked() override;
    void retranslateUi() override;

private:
    QString safetyDistanceText(const TPowerChainResult &r) const;
    QString m_titleFor; // the placement the title names, empty while none is shown
    void buildControls();
    QWidget *buildFeederBox();
    QWidget *buildAdditionalBox();
    QWidget *buildResultPanel();
    void fillLookups();

    void rebuildTree();
    void nodeSelected(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void showNoPlacement();
    void showPlacement(QTreeWidgetItem *item);
    void loadFields(const TPowerChainRow &row);
    void setInputsEnabled(bool enabled);
    void showCheckPanels();

    void fieldEdited();
    void feederToggled(bool on);
    void additionalToggled(bool on);
    void txPowerLeft();
    void setPending(bool pending);
    void fillCopySources(qint32 currentPlacement);
    void copyClicked();

    // Asks about pending edits; false when the user's choice could not be
    // carried out (a failed save) and the caller must stay.
    bool resolvePendingEdits();
    bool save();
    void cancel();

    TdtmMain *m_dm = nullptr;
    TInputFieldFilter *m_filter = nullptr;

    QTreeWidget *m_tree = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_antType = nullptr;
    QLabel *m_antDescr = nullptr;
    QLabel *m_antGain = nullptr;
    QLabel *m_antFreq = nullptr;

    QLineEdit *m_txPower = nullptr;
    QLabel *m_txPowerDbw = nullptr;

    QCheckBox *m_calcFeeder = nullptr;
    QWidget *m_feederSections = nullptr;
    QWidget *m_feederTotalPanel = nullptr;
    QLineEdit *m_feederManual = nullptr;
    std::array<QComboBox *, CableSectionCount> m_cable{};
    std::array<QLineEdit *, CableSectionCount> m_length{};
    std::array<QLabel *, CableSectionCount> m_sectionLoss{};
    QLabel *m_feederTotal = nullptr;

    QCheckBox *m_calcAdd = nullptr;
    QWidget *m_addRows = nullptr;
    QWidget *m_addTotalPanel = nullptr;
    QLineEdit *m_addManual = nullptr;
    QLineEdit *m_swr = nullptr;
    QLineEdit *m_tuner = nullptr;
    QLineEdit *m_lpf = nullptr;
    QLineEdit *m_pairs = nullptr;
    QLineEdit *m_perPair = nullptr;
    QLabel *m_addTotal = nullptr;

    QComboBox *m_mode = nullptr;
    QComboBox *m_time = nullptr;
    QLabel *m_modeAtt = nullptr;
    QLabel *m_timeAtt = nullptr;

    QWidget *m_resultPanel = nullptr;
    QLabel *m_antPowerDbw = nullptr;
    QLabel *m_antPowerW = nullptr;
    QLabel *m_eirpDbw = nullptr;
    QLabel *m_eirpW = nullptr;
    QLabel *m_safetyDistance = nullptr;

    QComboBox *m_copySource = nullptr; // the other placements, keyed by IdStation
    class QPushButton *m_copy = nullptr;
    class QPushButton *m_save = nullptr;
    class QPushButton *m_cancel = nullptr;

    TPowerChainRow m_row; // the placement as stored
    double m_frequency = 0;
    double m_gain = 0;
    AntennaPattern m_pattern{}; // of the placement's antenna, for the safety distance
    int m_apertureSize = 0;
    bool m_havePlacement = false;
    bool m_checkArmed = false;
    bool m_loading = false;
    bool m_dirty = false;
    bool m_selecting = false;
};
