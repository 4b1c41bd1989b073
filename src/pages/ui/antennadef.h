#pragma once

#include "shell/ui/pagebase.h"

#include <QString>
#include <QVector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTableWidget;
class TdtmMain;
class TEntryFieldFilter;
class TPolarChart;

// The antenna page: the antenna catalogue by family with each antenna's
// vertical pattern as numbers and as a polar chart, the user's own (custom)
// antennas, and the placements of catalogue antennas on the current site with
// their height, tilt, band and remark.
class TfraAntennaDef : public TfraBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfraAntennaDef)

public:
    explicit TfraAntennaDef(IWizardHost &host, QWidget *parent = nullptr);
    ~TfraAntennaDef() override;

    void ActivatePage() override;

    bool placementInsertMode() const { return m_placementInsert; }
    bool customInsertMode() const { return m_customInsert; }
    QString catalogueSort() const { return m_catalogueSort; }

protected:
    void retranslateUi() override;

private:
    // Controls (antennadeflayout.cpp).
    void buildControls();
    QWidget *buildSelectionTab();
    QWidget *buildCustomTab();
    QWidget *buildLowerPart();
    void connectControls();

    TdtmMain *dm() const;
    bool succeeded(const QString &error);
    void tabChanged(int index);

    // Catalogue (antennadefcatalogue.cpp).
    void fillFamilies();
    void familySelected();
    void loadCatalogue(qint32 familyId);
    void fillCatalogue(qint32 keepAntennaId);
    void resetTitles();
    void titleClicked(int column);
    void catalogueRowChanged();
    void applyFrequencyRule();
    void drawPattern();
    void catalogueDoubleClicked();
    bool positionCatalogue(); // moves qryAntList to the selected grid row
    qint32 selectedAntennaBand() const;

    // Placements (antennadefplacement.cpp).
    void applyLayout();
    void reloadPlacements();
    void showPlacementAntenna();
    void loadPlacementFields();
    void clearPlacementFields();
    void placementEdited();
    void setPlacementEditing(bool editing);
    void addPlacement();
    void savePlacement();
    void cancelPlacement();
    void deletePlacement();
    void placementClicked(int row);
    void siteSelected(int position);
    void fillSiteSelector();
    void tiltLeft();
    int refreshPlacementCount();
    qint32 pickedPlacementBand() const;

    // Custom antennas (antennadefcustom.cpp).
    void showCustomTab();
    void reloadCustom();
    void loadCustomFields();
    void clearCustomFields();
    void customEdited();
    void setCustomEditing(bool editing);
    void customRowChanged();
    void addCustom();
    void saveCustom();
    void cancelCustom();
    void deleteCustom();

    TEntryFieldFilter *m_filter = nullptr;
    QTabWidget *m_tabs = nullptr;

    // Antenna selection tab.
    QListWidget *m_families = nullptr;
    QVector<qint32> m_familyIds;
    QTableWidget *m_catalogue = nullptr;
    QLineEdit *m_gain[10] = {};
    QWidget *m_centreFrequency = nullptr; // caption and value
    QLineEdit *m_frequency = nullptr;
    QLabel *m_toDefine = nullptr;
    TPolarChart *m_chart = nullptr;
    QString m_catalogueSort;

    // Lower part.
    QWidget *m_lowerPart = nullptr;
    QGroupBox *m_siteGroup = nullptr;
    QComboBox *m_siteSelector = nullptr;
    QGroupBox *m_placementGroup = nullptr;
    QLabel *m_reference = nullptr;
    QLineEdit *m_height = nullptr;
    QLineEdit *m_tilt = nullptr;
    QWidget *m_bandCaption = nullptr;
    QComboBox *m_band = nullptr;
    QLineEdit *m_remark = nullptr;
    QCheckBox *m_simultaneous = nullptr;
    QWidget *m_buttonPanel = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_addNew = nullptr;
    QPushButton *m_delete = nullptr;
    QGroupBox *m_configGroup = nullptr;
    QTableWidget *m_config = nullptr;

    // Custom antenna tab.
    QTableWidget *m_customGrid = nullptr;
    QGroupBox *m_customGroup = nullptr;
    QLineEdit *m_customType = nullptr;
    QLineEdit *m_customMake = nullptr;
    QComboBox *m_customPol = nullptr;
    QComboBox *m_customBand = nullptr;
    QLineEdit *m_customPattern[10] = {};
    QLineEdit *m_lambda = nullptr;
    QPushButton *m_customAdd = nullptr;
    QPushButton *m_customDelete = nullptr;
    QPushButton *m_customSave = nullptr;
    QPushButton *m_customCancel = nullptr;

    bool m_placementInsert = false;
    bool m_placementEditing = false;
    bool m_customInsert = false;
    bool m_customEditing = false;
    bool m_loading = false;
    // The antenna change of the next placement Save was already confirmed
    // (the catalogue's double click asks before it saves).
    bool m_antennaChangeConfirmed = false;
};
