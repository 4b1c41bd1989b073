// The controls of the critical-test-points page and their layout.
#include "base/numberformat.h"
#include "exposure/pointrules.h"
#include "exposure/ui/criticalpntspage.h"
#include "exposure/ui/ctplistmodel.h"
#include "exposure/ui/inputfieldfilter.h"
#include "store/datamodule.h"
#include "store/jetdataset.h"
#include "store/schema.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace
{

QLabel *namedLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

QLineEdit *numberField(const QString &name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setFixedWidth(70);
    e->setAlignment(Qt::AlignRight);
    return e;
}

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

// A distance or height field with its unit beside it.
QHBoxLayout *withUnit(QLineEdit *field, const QString &unitName, QWidget *parent)
{
    auto *row = new QHBoxLayout;
    row->addWidget(field);
    row->addWidget(namedLabel(unitName, QStringLiteral("m"), parent));
    row->addStretch(1);
    return row;
}

double lookupNumber(const QVariant &value)
{
    return value.typeId() == QMetaType::QString ? NumberOrZero(value.toString()) : value.toDouble();
}

// A space-attenuation class as the lists show it: its description and the
// losses it stands for, below and from 1 GHz.
QString attenuationEntry(const QString &description, const QVariant &low, const QVariant &high)
{
    const double below = lookupNumber(low);
    const double above = lookupNumber(high);
    if (below == above)
        return description + QStringLiteral(" (") + FormatNumber(below) + QStringLiteral(" dB)");
    return description + QStringLiteral(" (") +
           QCoreApplication::translate("TfraCriticalPnts", "%1 dB below 1 GHz, %2 dB from 1 GHz")
               .arg(FormatNumber(below), FormatNumber(above)) +
           QLatin1Char(')');
}

} // namespace

void TfraCriticalPnts::buildControls()
{
    m_filter = new TInputFieldFilter(this);
    auto *layout = new QVBoxLayout(content());
    layout->addWidget(buildOverview(), 1);
    auto *lower = new QHBoxLayout;
    lower->addWidget(buildModifyGroup(), 1);
    lower->addWidget(buildAddGroup(), 1);
    layout->addLayout(lower);
    layout->addWidget(buildButtonRow());

    m_filter->watch(m_modHeight, TInputFieldFilter::SignedDecimal);
    m_filter->watch(m_modDist, TInputFieldFilter::SignedDecimal);
    m_filter->watch(m_modAtt, TInputFieldFilter::AnyText);
    m_filter->watch(m_modRem, TInputFieldFilter::AnyText);
    m_filter->watch(m_addDist, TInputFieldFilter::SignedDecimal);
    m_filter->watch(m_addHeight, TInputFieldFilter::SignedDecimal);
    m_filter->watch(m_addAtt, TInputFieldFilter::AnyText);
    m_filter->watch(m_addRem, TInputFieldFilter::AnyText);
    setTabOrder(m_addDist, m_addHeight);
    setTabOrder(m_addHeight, m_addAtt);
    setTabOrder(m_addAtt, m_addRem);
    setTabOrder(m_addRem, m_addNext);
    setTabOrder(m_addNext, m_addPrev);
}

QWidget *TfraCriticalPnts::buildOverview()
{
    m_overview = new QGroupBox(tr("  Critical Test Points (Overview)  "), content());
    m_overview->setObjectName(QStringLiteral("gbxCtpOverview"));

    m_model = new TCtpListModel(this);
    m_list = new QTableView(m_overview);
    m_list->setObjectName(QStringLiteral("lsvCtpOverView"));
    m_list->setModel(m_model);
    m_list->setShowGrid(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setToolTip(tr("Double Click to see the Graphical View"));
    m_list->setWordWrap(false);
    m_list->verticalHeader()->hide();
    // Fixed row heights keep a list of thousands of entries quick to show.
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 4);
    m_list->horizontalHeader()->setHighlightSections(false);
    for (int c = 0; c < EvaluationColumnCount; ++c)
        m_list->setColumnWidth(c, TCtpListModel::columnWidth(c));

    auto *summary = new QWidget(m_overview);
    summary->setObjectName(QStringLiteral("pnlCtpSummary"));
    QFont bold(QStringLiteral("Arial"));
    bold.setBold(true);
    auto *sl = new QHBoxLayout(summary);
    sl->setContentsMargins(0, 0, 0, 0);
    QLabel *title =
        namedLabel(QStringLiteral("lblCtpMaxTitle"), tr("Maximum Field Strength: "), summary);
    m_maxValue = namedLabel(QStringLiteral("lblCtpMaxValue"), QString(), summary);
    m_maxLocation = namedLabel(QStringLiteral("lblCtpMaxLocation"), QString(), summary);
    m_maxResult = namedLabel(QStringLiteral("lblCtpMaxResult"), QString(), summary);
    for (QLabel *l : {title, m_maxValue, m_maxLocation, m_maxResult}) {
        l->setFont(bold);
        sl->addWidget(l);
    }
    sl->addStretch(1);

    // Below it, when there is something to say: the combined exposure when it
    // is the highest share of the limit, and what the evaluation had to leave out.
    m_combined = namedLabel(QStringLiteral("lblCtpCombined"), QString(), m_overview);
    m_incomplete = namedLabel(QStringLiteral("lblCtpIncomplete"), QString(), m_overview);
    m_noLimit = namedLabel(QStringLiteral("lblCtpNoLimit"), NoLimitFootnote(), m_overview);
    m_noLimit->hide();
    for (QLabel *l : {m_combined, m_incomplete}) {
        l->setFont(bold);
        l->setWordWrap(true);
        l->hide();
    }
    QPalette red = m_incomplete->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    m_incomplete->setPalette(red);

    auto *layout = new QVBoxLayout(m_overview);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_noLimit);
    layout->addWidget(summary);
    layout->addWidget(m_combined);
    layout->addWidget(m_incomplete);
    return m_overview;
}

QWidget *TfraCriticalPnts::buildModifyGroup()
{
    m_modify = new QGroupBox(tr("  Modify Critical Test Points  "), content());
    m_modify->setObjectName(QStringLiteral("gbxCtpModify"));
    m_modRef = namedLabel(QStringLiteral("lblCtpModRef"), QString(), m_modify);
    QFont big = m_modRef->font();
    big.setBold(true);
    m_modRef->setFont(big);
    m_modHeight = numberField(QStringLiteral("dbmCtpHeight"), m_modify);
    m_modDist = numberField(QStringLiteral("dbmCtpDist"), m_modify);
    m_modAtt = new QComboBox(m_modify);
    m_modAtt->setObjectName(QStringLiteral("dblCtpSpAtt"));
    m_modRem = new QLineEdit(m_modify);
    m_modRem->setObjectName(QStringLiteral("dbeCtpRem"));
    m_modRem->setMaxLength(PointDescriptionLength);

    auto *grid = new QGridLayout(m_modify);
    grid->addWidget(m_modRef, 0, 0);
    grid->addWidget(namedLabel(QString(), tr("Distance"), m_modify), 0, 1);
    grid->addLayout(withUnit(m_modDist, QStringLiteral("lblCtpDistUnit"), m_modify), 0, 2);
    grid->addWidget(namedLabel(QString(), tr("Height"), m_modify), 0, 3);
    grid->addLayout(withUnit(m_modHeight, QStringLiteral("lblCtpHeightUnit"), m_modify), 0, 4);
    grid->addWidget(namedLabel(QString(), tr("Space Attenuation"), m_modify), 1, 0);
    grid->addWidget(m_modAtt, 1, 1, 1, 4);
    grid->addWidget(namedLabel(QString(), tr("Description of the Critical Point"), m_modify), 2, 0,
                    1, 5);
    grid->addWidget(m_modRem, 3, 0, 1, 5);
    grid->setColumnStretch(5, 1);
    return m_modify;
}

QWidget *TfraCriticalPnts::buildAddGroup()
{
    m_add = new QGroupBox(tr("  Add Critical Test Points  "), content());
    m_add->setObjectName(QStringLiteral("gbxCtpAdd"));
    m_addRef = namedLabel(QStringLiteral("lblCtpAddRef"), QString(), m_add);
    QFont large = m_addRef->font();
    large.setPointSize(large.pointSize() * 2);
    large.setBold(true);
    m_addRef->setFont(large);
    m_addLoc = namedLabel(QStringLiteral("lblCtpAddLoc"), QString(), m_add);
    m_addDist = numberField(QStringLiteral("memCtpAddDist"), m_add);
    m_addHeight = numberField(QStringLiteral("memCtpAddHeight"), m_add);
    m_addAtt = new QComboBox(m_add);
    m_addAtt->setObjectName(QStringLiteral("cbxAddCtpSpAtt"));
    m_addRem = new QLineEdit(m_add);
    m_addRem->setObjectName(QStringLiteral("edtCtpAddRem"));
    m_addRem->setMaxLength(PointDescriptionLength);
    m_addRem->setToolTip(tr("First press \"Enter\" and then \"Save\" or go to \"Next\"..."));
    m_addNext = button(QStringLiteral("bbnCtpAddNext"), tr("Next"), m_add);
    m_addPrev = button(QStringLiteral("bbnCtpAddPrev"), tr("Prev"), m_add);

    auto *grid = new QGridLayout(m_add);
    grid->addWidget(m_addRef, 0, 0);
    grid->addWidget(m_addLoc, 0, 1, 1, 2);
    grid->addWidget(m_addPrev, 0, 3);
    grid->addWidget(m_addNext, 0, 4);
    grid->addWidget(namedLabel(QString(), tr("Distance"), m_add), 1, 0);
    grid->addLayout(withUnit(m_addDist, QStringLiteral("lblCtpAddDistUnit"), m_add), 1, 1);
    grid->addWidget(namedLabel(QString(), tr("Height"), m_add), 1, 2);
    grid->addLayout(withUnit(m_addHeight, QStringLiteral("lblCtpAddHeightUnit"), m_add), 1, 3);
    grid->addWidget(namedLabel(QString(), tr("Space Attenuation"), m_add), 2, 0);
    grid->addWidget(m_addAtt, 2, 1, 1, 4);
    grid->addWidget(namedLabel(QString(), tr("Description of the Critical Point"), m_add), 3, 0, 1,
                    5);
    grid->addWidget(m_addRem, 4, 0, 1, 5);
    return m_add;
}

QWidget *TfraCriticalPnts::buildButtonRow()
{
    m_buttonRow = new QWidget(content());
    m_buttonRow->setObjectName(QStringLiteral("pnlCtpButtons"));
    m_save = button(QStringLiteral("bbnCtpSave"), tr("&Save"), m_buttonRow);
    m_cancel = button(QStringLiteral("bbnCtpCancel"), tr("&Cancel"), m_buttonRow);
    m_addButton = button(QStringLiteral("bbnCtpAdd"), tr("&Add CTP"), m_buttonRow);
    m_delete = button(QStringLiteral("bbnCtpDelete"), tr("  &Delete"), m_buttonRow);
    m_print = button(QStringLiteral("bbnCtpPrint"), tr(" &Print"), m_buttonRow);
    m_deleteAll = button(QStringLiteral("bbnCtpDeleteAll"), tr("D&elete All"), m_buttonRow);
    auto *row = new QHBoxLayout(m_buttonRow);
    row->setContentsMargins(0, 0, 0, 0);
    for (QPushButton *b : {m_save, m_cancel, m_addButton, m_delete, m_print, m_deleteAll})
        row->addWidget(b);
    row->addStretch(1);
    return m_buttonRow;
}

void TfraCriticalPnts::fillAttenuationLists()
{
    m_modAtt->clear();
    m_addAtt->clear();
    if (!m_dm)
        return;
    TJetDataset *table = m_dm->tblSpaceAtt;
    if (!table->isActive())
        table->open();
    const int key = table->fieldIndex(Schema::IdSpaceAtt);
    const int text = table->fieldIndex(Schema::SpaceAttDescrE);
    const int low = table->fieldIndex(Schema::SpaceAttLow);
    const int high = table->fieldIndex(Schema::SpaceAttHigh);
    for (int r = 0; r < table->recordCount(); ++r) {
        const QString description =
            attenuationEntry(table->data(table->index(r, text)).toString(),
                             table->data(table->index(r, low)), table->data(table->index(r, high)));
        const QVariant id = table->data(table->index(r, key));
        m_modAtt->addItem(description, id);
        m_addAtt->addItem(description, id);
    }
}
