#include "ui/screens/welcomescreen.h"

#include "ui/appearance.h"
#include "ui/style.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

bool lightPalette()
{
    return QApplication::palette().color(QPalette::Window).lightness() >= 128;
}

QString accentLinkStyle()
{
    return QStringLiteral("color: %1;").arg(accentColorRef().lighter(135).name());
}

QLabel* wrappedLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

WelcomeScreen::WelcomeScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    outer->addWidget(scroll);

    auto* content = new QWidget(scroll);
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    contentLayout->setContentsMargins(40, 40, 40, 40);
    contentLayout->setSpacing(0);

    auto* column = new QWidget(content);
    column->setObjectName(QStringLiteral("welcomeColumn"));
    column->setMaximumWidth(560);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetMinAndMaxSize);
    contentLayout->addWidget(column, 0, Qt::AlignHCenter);

    auto* icon = new QLabel(column);
    icon->setPixmap(QPixmap(QStringLiteral(":/icons/icons/app_icon.png"))
                        .scaled(80, 80, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    layout->addSpacing(20);

    m_titleLabel = wrappedLabel(tr("Welcome to\nLarkspur Tallyleaf"), column);
    setFontRole(m_titleLabel, FontRole::Heading);
    m_titleLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_titleLabel);
    layout->addSpacing(8);

    m_taglineLabel = new QLabel(tr("A digital tallyleaf register."), column);
    m_taglineLabel->setTextFormat(Qt::PlainText);
    setFontRole(m_taglineLabel, FontRole::Subtitle);
    m_taglineLabel->setAlignment(Qt::AlignCenter);
    followTheme(m_taglineLabel, [label = m_taglineLabel] {
        label->setStyleSheet(
            QStringLiteral("color: %1;").arg(lightPalette() ? QStringLiteral("#4A6358") : QStringLiteral("#8FAF9F")));
    });
    layout->addWidget(m_taglineLabel);
    layout->addSpacing(16);

    m_sessionNote = wrappedLabel(tr("Your session has ended. Sign back in to keep syncing."), column);
    m_sessionNote->setAlignment(Qt::AlignCenter);
    setFontRole(m_sessionNote, FontRole::Strong);
    followTheme(m_sessionNote, [label = m_sessionNote] { label->setStyleSheet(accentLinkStyle()); });
    m_sessionNote->hide();
    layout->addWidget(m_sessionNote);
    layout->addSpacing(8);

    m_howItWorksCard = buildHowItWorksCard();
    layout->addWidget(m_howItWorksCard);
    layout->addSpacing(16);

    auto* offline = wrappedLabel(tr("Works fully offline. Your data stays on this device."), column);
    offline->setAlignment(Qt::AlignCenter);
    setFontRole(offline, FontRole::Caption);
    offline->setStyleSheet(QStringLiteral("color: %1;").arg(QStringLiteral("#6E8A7E")));
    layout->addWidget(offline);
    layout->addSpacing(24);

    m_primaryButton = new QPushButton(column);
    m_primaryButton->setCursor(Qt::PointingHandCursor);
    connect(m_primaryButton, &QPushButton::clicked, this, &WelcomeScreen::createAccountRequested);
    layout->addWidget(m_primaryButton);
    layout->addSpacing(24);

    m_signInButton = new QPushButton(column);
    m_signInButton->setCursor(Qt::PointingHandCursor);
    connect(m_signInButton, &QPushButton::clicked, this, &WelcomeScreen::signInRequested);
    layout->addWidget(m_signInButton, 0, Qt::AlignHCenter);

    scroll->setWidget(content);

    setReturningUser(false);
    // The flat link button takes the new accent too.
    followTheme(this, [this] {
        for (QPushButton* button : {m_primaryButton, m_signInButton})
            if (button->isFlat())
                button->setStyleSheet(accentLinkStyle());
    });
}

WelcomeScreen::~WelcomeScreen() = default;

QWidget* WelcomeScreen::buildHowItWorksCard()
{
    auto* card = new QWidget(this);
    card->setObjectName(QStringLiteral("HowItWorksCard"));
    // A plain QWidget paints its style sheet border only with this set.
    card->setAttribute(Qt::WA_StyledBackground);
    followTheme(card, [card] {
        card->setStyleSheet(QStringLiteral("#HowItWorksCard { border: 1px solid %1; border-radius: 10px; }")
                                .arg(lightPalette() ? QStringLiteral("#D8E0DB") : QStringLiteral("#2A4038")));
    });
    auto* layout = new QVBoxLayout(card);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(8);

    auto* title = new QLabel(tr("How it works"), card);
    title->setTextFormat(Qt::PlainText);
    setFontRole(title, FontRole::Subtitle);
    layout->addWidget(title);
    layout->addSpacing(4);

    layout->addWidget(makeStepRow(
        1, tr("Add an account (checking, savings, credit card, or any account you'd like to track).")));
    layout->addWidget(makeStepRow(2, tr("Record transactions as you spend.")));
    layout->addWidget(makeStepRow(3, tr("Reconcile when your statement arrives.")));
    return card;
}

QWidget* WelcomeScreen::makeStepRow(int number, const QString& text)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->setSpacing(12);

    auto* numberLabel = new QLabel(QStringLiteral("%1.").arg(number), row);
    setFontRole(numberLabel, FontRole::Strong);
    followTheme(numberLabel, [numberLabel] { numberLabel->setStyleSheet(accentLinkStyle()); });
    numberLabel->setFixedWidth(20);
    numberLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(numberLabel, 0, Qt::AlignTop);

    layout->addWidget(wrappedLabel(text, row), 1);
    return row;
}

void WelcomeScreen::setReturningUser(bool returning)
{
    m_titleLabel->setText(returning ? tr("Welcome back") : tr("Welcome to\nLarkspur Tallyleaf"));
    m_taglineLabel->setText(returning ? tr("Sign in to keep your data synced across devices.")
                                      : tr("A digital tallyleaf register."));
    m_sessionNote->setVisible(returning);
    m_howItWorksCard->setVisible(!returning);

    // The accent button's look moves to the button the wording leads with;
    // the other becomes a flat link in the accent colour.
    QPushButton* main = returning ? m_signInButton : m_primaryButton;
    QPushButton* link = returning ? m_primaryButton : m_signInButton;
    main->setFlat(false);
    main->setProperty(AccentButtonProperty, true);
    main->setStyleSheet(accentButtonStyleSheet());
    main->setMinimumHeight(40);
    link->setFlat(true);
    link->setProperty(AccentButtonProperty, false);
    link->setStyleSheet(accentLinkStyle());
    link->setMinimumHeight(0);

    m_signInButton->setText(returning ? tr("Sign In") : tr("Already have an account? Sign In"));
    m_primaryButton->setText(returning ? tr("Create a different account") : tr("Create Your First Account"));
}
