#pragma once

#include "pages/sitedefcoordinates.h"
#include "shell/ui/pagebase.h"
#include "store/recordops_site.h"
#include "store/recordresult.h"

#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;
class TdtmMain;
class TEntryFieldFilter;
class TPostcodeTyping;

// The site page: the owner's site description (an address with the regulator's
// reference, club and sharing details and a note) and the named sites of that
// installation with their Lambert 72 and WGS84 coordinates, which are kept
// consistent by converting one form into the other.
class TfraSiteDef : public TfraBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfraSiteDef)

public:
    explicit TfraSiteDef(IWizardHost &host, QWidget *parent = nullptr);
    ~TfraSiteDef() override;

    void ActivatePage() override;

    bool siteInsertMode() const { return m_siteInsert; }

private:
    // Building the controls (sitedeflayout.cpp).
    void buildControls();
    QWidget *buildDescriptionGroup();
    QWidget *buildSiteGroup();
    QWidget *buildSitePanel();
    QWidget *buildOverviewGroup();
    void connectControls();

    TdtmMain *dm() const;
    // Shows a store failure; true when the operation succeeded.
    bool succeeded(const QString &error);

    // Site description.
    void bindLookups();
    void loadDescription();
    void setDescriptionChanged(bool changed);
    void descriptionEdited();
    void saveDescription();
    void cancelDescription();
    void copyOwnerAddress();
    void zipPicked(int row);
    void townPicked(int row);
    void selectZipRow(qint32 key);
    qint32 descriptionZipKey() const;
    void applyVisibility();

    // Sites.
    void refreshSiteList();
    void fillSiteSelector();
    void fillOverview();
    void loadSiteFields();
    void clearSiteFields();
    void setSiteChanged(bool changed);
    void siteEdited();
    void addSite();
    void saveSite();
    void cancelSite();
    void deleteSite();
    void selectSite(int position);
    void overviewClicked(int row);
    void makeSiteCurrent(int position);
    bool validateSite(bool withMessage);
    // At Save: every value within the page's ranges and both forms describing
    // one place; otherwise says which and refuses.
    bool coordinatesPlausible();
    TSiteCoordinateTexts coordinateTexts() const;
    QStringList allCoordinateTexts() const;
    TSiteValues siteValues(const QString &name) const;

    // Coordinate conversion when the focus leaves a coordinate field.
    void fieldLeft(QWidget *control);
    bool convertLambert();
    bool convertWgs84();
    void showIndicator(const QString &text);
    void postExistingSite();

    TEntryFieldFilter *m_filter = nullptr;
    TPostcodeTyping *m_postcodeTyping = nullptr;

    // Site description.
    QGroupBox *m_descriptionGroup = nullptr;
    QLineEdit *m_addr1 = nullptr;
    QLineEdit *m_addr2 = nullptr;
    QComboBox *m_zip = nullptr;
    QComboBox *m_town = nullptr;
    QLineEdit *m_biptRef = nullptr;
    QLineEdit *m_clubCall = nullptr;
    QLineEdit *m_sharedBy = nullptr;
    QLineEdit *m_siteRemark = nullptr;
    QCheckBox *m_clubStation = nullptr;
    QCheckBox *m_antennasExist = nullptr;
    QCheckBox *m_shared = nullptr;
    QPlainTextEdit *m_note = nullptr;
    QPushButton *m_descriptionSave = nullptr;
    QPushButton *m_descriptionCancel = nullptr;
    QPushButton *m_copy = nullptr;

    // Site.
    QGroupBox *m_siteGroup = nullptr;
    QLabel *m_siteHint = nullptr; // stands where the site group appears
    QLabel *m_siteName = nullptr;
    QLineEdit *m_coordinate[SiteCoordinateFieldCount] = {};
    QLineEdit *m_locRemark = nullptr;
    QCheckBox *m_main = nullptr;
    QLabel *m_indicator = nullptr;

    // Site panel and overview.
    QWidget *m_sitePanel = nullptr;
    QLabel *m_selectorLabel = nullptr;
    QComboBox *m_selector = nullptr;
    QPushButton *m_siteSave = nullptr;
    QPushButton *m_siteCancel = nullptr;
    QPushButton *m_siteAdd = nullptr;
    QPushButton *m_siteDelete = nullptr;
    QGroupBox *m_overviewGroup = nullptr;
    QTableWidget *m_overview = nullptr;

    TSiteList m_sites;
    bool m_siteInsert = false;
    // The eight coordinate texts as the last conversion left them: leaving a
    // field without having changed anything since then converts nothing back,
    // so a typed Lambert pair is never replaced by its own rounded round trip.
    QStringList m_convertedTexts;
    bool m_loading = false;
};
