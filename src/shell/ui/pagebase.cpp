#include "shell/ui/pagebase.h"

#include "base/applicationstate.h"
#include "base/currentselection.h"
#include "base/messages.h"
#include "shell/ui/wizardhost.h"
#include "shell/wizardpages.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace
{
constexpr int NavigationHeight = 38;

QPushButton *navigationButton(const QString &name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFixedSize(90, 25);
    return button;
}
} // namespace

TfraBase::TfraBase(int pageIndex, IWizardHost &host, QWidget *parent)
    : QFrame(parent), m_pageIndex(pageIndex), m_host(host)
{
    setObjectName(FrameClassName(pageIndex));
    setFocusPolicy(Qt::StrongFocus);

    m_content = new QWidget(this);
    m_content->setObjectName(QStringLiteral("pnlContent"));
    m_navigation = new QWidget(this);
    m_navigation->setObjectName(QStringLiteral("pnlNavigation"));
    m_navigation->setFixedHeight(NavigationHeight);

    m_help = navigationButton(QStringLiteral("bbnHelp"), tr("Help"), m_navigation);
    m_back = navigationButton(QStringLiteral("bbnBack"), tr("  &Back"), m_navigation);
    m_back->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    m_next = navigationButton(QStringLiteral("bbnNext"), tr("&Next  "), m_navigation);
    m_next->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    m_next->setLayoutDirection(Qt::RightToLeft); // glyph on the right of the text
    m_back->setVisible(pageIndex != PageWelcome);

    auto *navigationLayout = new QHBoxLayout(m_navigation);
    navigationLayout->setContentsMargins(8, 6, 8, 6);
    navigationLayout->addWidget(m_help);
    navigationLayout->addStretch(1);
    navigationLayout->addWidget(m_back);
    navigationLayout->addSpacing(6);
    navigationLayout->addWidget(m_next);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_content, 1);
    layout->addWidget(m_navigation);

    connect(m_next, &QPushButton::clicked, this, &TfraBase::NextClicked);
    connect(m_back, &QPushButton::clicked, this, &TfraBase::BackClicked);
    connect(m_help, &QPushButton::clicked, this, &TfraBase::HelpClicked);
}

TfraBase::~TfraBase() = default;

void TfraBase::ActivatePage() {}

void TfraBase::DeactivatePage() {}

void TfraBase::watchPendingEdits(QPushButton *save, QPushButton *cancel, const QString &caption,
                                 std::function<bool()> pending)
{
    QPointer<QPushButton> saveButton(save);
    if (!pending)
        pending = [saveButton] { return saveButton && saveButton->isEnabled(); };
    m_pendingGroups.append({save, cancel, caption, std::move(pending)});
}

bool TfraBase::ResolvePendingEdits()
{
    for (const TPendingGroup &group : std::as_const(m_pendingGroups)) {
        if (!group.save || !group.pending())
            continue;
        const int answer = AskYesNo(group.caption, tr("Save the changes ?"));
        if (answer == AnswerClosed)
            return false; // no answer: nothing is saved or thrown away
        if (answer == AnswerYes) {
            group.save->click();
            if (group.pending())
                return false; // the save refused (and said why): stay on the page
        } else if (group.cancel) {
            group.cancel->click();
        }
    }
    return true;
}

void TfraBase::NextClicked()
{
    if (!ResolvePendingEdits())
        return;
    if (m_pageIndex == PageWelcome)
        SetSkipExitConfirmation(false);
    const int target = NextPage(m_pageIndex);
    if (target == PageExit)
        m_host.CloseWizard();
    else if (target >= 0)
        m_host.SetActivePage(target);
}

void TfraBase::BackClicked()
{
    if (!ResolvePendingEdits())
        return;
    if (m_pageIndex == PageQrpInput)
        CurrentSelection().lowPowerReport = false;
    const int target = BackPage(m_pageIndex, CurrentSelection().lowPowerReport);
    if (target >= 0)
        m_host.SetActivePage(target);
}

void TfraBase::HelpClicked()
{
    m_host.ShowHelp(m_pageIndex);
}

void TfraBase::retranslateUi() {}

void TfraBase::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

void TfraBase::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    // A page that becomes visible takes the focus and gives it to its first control.
    setFocus(Qt::OtherFocusReason);
    focusNextChild();
}
