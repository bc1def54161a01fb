#include "ui/luck/vorlawindow.h"

#include "shared/fonts.h"
#include "shared/lotto.h"
#include "shared/messagebox.h"
#include "shared/pointer.h"
#include "shared/twips.h"
#include "ui/luck/longrunwrap.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>

namespace {
QPointer<VorlaWindow> g_editor;

// A command button whose caption wraps onto several lines when it is wider than the
// button, the way "Show me sample words!" sits on two lines of its narrow button.
class WrappingButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        p.drawControl(QStyle::CE_PushButton, option);
        QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        area.adjust(2, 0, -2, 0);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::ButtonText));
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
    }
};

// Text1: takes in what is pasted or dropped up to VorlaWindow::MaxTextLength characters in
// all, the text it replaces not counted, and cuts off the rest without a word.
class LuckTextBox : public QPlainTextEdit
{
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void insertFromMimeData(const QMimeData *source) override
    {
        if (!source || !source->hasText())
            return QPlainTextEdit::insertFromMimeData(source);
        const QTextCursor cursor = textCursor();
        const qsizetype kept =
            document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart());
        const qsizetype room = std::max<qsizetype>(0, VorlaWindow::MaxTextLength - kept);
        QString text = source->text();
        if (text.size() <= room)
            return QPlainTextEdit::insertFromMimeData(source);
        text.truncate(room);
        // A character outside the Basic Multilingual Plane is not cut in two.
        if (!text.isEmpty() && text.back().isHighSurrogate())
            text.chop(1);
        QMimeData cut;
        cut.setText(text);
        QPlainTextEdit::insertFromMimeData(&cut);
    }
};
} // namespace

VorlaWindow *VorlaWindow::instance()
{
    if (!g_editor) {
        g_editor = new VorlaWindow;
        // The editor lives as long as the application; it goes with it.
        qAddPostRoutine([] { delete g_editor.data(); });
    }
    return g_editor;
}

VorlaWindow *VorlaWindow::existing()
{
    return g_editor;
}

VorlaWindow::VorlaWindow() : QDialog(nullptr)
{
    setObjectName(QStringLiteral("frmVorla"));
    setWindowTitle(tr("Add/Remove Vorla"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/lottoworla.svg")));
    // Fixed single border: a close box, no minimise or maximise button, no resizing.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFont(Fonts::msSansSerif(8.25, false));

    m_lblinstruct = new QLabel(tr("Click Here To Learn More About Vorla . . ."), this);
    m_lblinstruct->setObjectName(QStringLiteral("lblinstruct"));
    m_lblinstruct->setFont(Fonts::msSansSerif(12, true));
    m_lblinstruct->move(Twips::point(1800, 360)); // designed 5160 x 300; sizes itself
    m_lblinstruct->adjustSize();
    m_lblinstruct->installEventFilter(this);
    setTag(QStringLiteral("0"));

    m_text1 = new LuckTextBox(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setAccessibleName(tr("Vorla"));
    m_text1->setAccessibleDescription(
        tr("Names, birthdays, favourite words: the text that seeds your lotto numbers."));
    m_text1->setGeometry(Twips::rect(120, 1080, 7335, 1815));
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    LongRunWrap::install(m_text1);
    m_text1->setTabChangesFocus(true);
    connect(m_text1->document(), &QTextDocument::contentsChanged, this, [this] {
        m_textCacheValid = false;
        m_textCache.clear();
    });

    m_sampleWordsButton = new WrappingButton(tr("Show me sample words!"), this);
    m_sampleWordsButton->setObjectName(QStringLiteral("Command1"));
    m_sampleWordsButton->setGeometry(Twips::rect(7680, 840, 1455, 735));

    m_clearButton = new QPushButton(tr("Clear"), this);
    m_clearButton->setObjectName(QStringLiteral("Command2"));
    m_clearButton->setGeometry(Twips::rect(7680, 1800, 1455, 375));

    m_okButton = new QPushButton(tr("&OK"), this);
    m_okButton->setObjectName(QStringLiteral("CMDOK"));
    m_okButton->setFont(Fonts::msSansSerif(12, true));
    m_okButton->setGeometry(Twips::rect(7680, 2400, 1455, 495));

    // Lies below the collapsed height: only the expanded window shows it.
    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(Twips::rect(240, 3360, 8775, 3375));

    auto *label1 = new QLabel(
        tr("Our world is composed of numbers. We do not understand probability, and chance "
           "fully yet but we are getting closer daily. However a link lurks between words, "
           "people, objects and the generation of numbers. In a recent case in the USA a "
           "citizen used the Bible to generate lotto numbers which surprisingly won him $30 "
           "MILLION. This program offers a unique feature which allows you to add text of "
           "names, numbers, words, etc... and this programt will use the text to specially "
           "generate your lotto numbers. So go through the bible and find words, add your "
           "kids names, and birthdays, add anything you think will give you good luck and it "
           "just might improve your odds of winning."),
        m_frame1);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(Twips::rect(240, 240, 8295, 1935));

    auto *label2 = new QLabel(
        tr("Once you add the text in the box below click ok to return to the program. You can "
           "add/remove anything you wish from the box. If no vorla is added the program uses a "
           "unique algorithm scheme to generate your lotto numbers. Good Luck, and may the "
           "force be with you."),
        m_frame1);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setGeometry(Twips::rect(240, 2280, 8415, 975));

    for (QLabel *label : {label1, label2}) {
        label->setFont(Fonts::msSansSerif(9.75, false));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
    }
    m_lblinstruct->setTextFormat(Qt::PlainText);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1);
    m_timer1->setTimerType(Qt::PreciseTimer);
    connect(m_timer1, &QTimer::timeout, this, &VorlaWindow::Timer1_Timer);

    connect(m_sampleWordsButton, &QPushButton::clicked, this, &VorlaWindow::Command1_Click);
    connect(m_clearButton, &QPushButton::clicked, this, &VorlaWindow::Command2_Click);
    connect(m_okButton, &QPushButton::clicked, this, &VorlaWindow::CMDOK_Click);

    // Focus follows the mouse over the three buttons and the text box (whose viewport is
    // what the pointer really moves over).
    for (QWidget *w : std::initializer_list<QWidget *>{
             m_okButton, m_sampleWordsButton, m_clearButton, m_text1, m_text1->viewport()}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }

    // Labels and the frame take no focus.
    setTabOrder(m_text1, m_okButton);
    setTabOrder(m_okButton, m_sampleWordsButton);
    setTabOrder(m_sampleWordsButton, m_clearButton);

    setHeightTwips(CollapsedHeightTwips);
}

int VorlaWindow::heightTwips() const
{
    return Twips::fromPixels(height()) + TitleAllowanceTwips;
}

void VorlaWindow::setHeightTwips(int twips)
{
    m_askedHeight = twips;
    const int client = std::max(0, Twips::toPixels(twips - TitleAllowanceTwips));
    setFixedSize(Twips::toPixels(ClientWidthTwips), client);
}

QString VorlaWindow::tag() const
{
    return m_lblinstruct->property("Tag").toString();
}

void VorlaWindow::setTag(const QString &tag)
{
    m_lblinstruct->setProperty("Tag", tag);
}

QString VorlaWindow::text() const
{
    if (!m_textCacheValid) {
        // The raw text keeps every character as typed (toPlainText would turn non-breaking
        // spaces into spaces); the document's own block breaks become '\n'.
        m_textCache = m_text1->document()->toRawText();
        m_textCache.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        m_textCacheValid = true;
    }
    return m_textCache;
}

void VorlaWindow::openEditor(QWidget *anchor)
{
    if (isVisible())
        return; // already open (modal): nothing can ask for it twice
    if (m_inExec) {
        // Closed, but its modal show has not returned yet: the close and this request came in
        // the same pass of the event loop. A second exec() now would be refused; open it
        // again as soon as the first one has returned.
        m_openAgain = true;
        return;
    }
    m_inExec = true;
    do {
        m_openAgain = false;
        if (!m_placed)
            centreOver(anchor);
        m_placed = true;
        // Modal for the window it opened over, and kept above it by the window manager.
        if (anchor && anchor->window()->windowHandle()) {
            create();
            windowHandle()->setTransientParent(anchor->window()->windowHandle());
        }
        exec();
    } while (m_openAgain);
    m_inExec = false;
}

void VorlaWindow::centreOver(QWidget *anchor)
{
    // Centred over the main window as the window will open: collapsed.
    const QSize outer(Twips::toPixels(ClientWidthTwips), Twips::toPixels(CollapsedHeightTwips));
    QRect over;
    if (anchor && anchor->isVisible())
        over = anchor->window()->frameGeometry();
    else if (QScreen *screen = QGuiApplication::primaryScreen())
        over = screen->availableGeometry();
    else
        return;
    QPoint topLeft = over.center() - QPoint(outer.width() / 2, outer.height() / 2);
    // Keep the title bar reachable.
    if (QScreen *screen = QGuiApplication::screenAt(over.center())) {
        const QRect avail = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), avail.left(),
                                std::max(avail.left(), avail.right() - outer.width())));
        topLeft.setY(std::clamp(topLeft.y(), avail.top(),
                                std::max(avail.top(), avail.bottom() - outer.height())));
    }
    move(topLeft);
}

void VorlaWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Each opening; a window coming back from elsewhere is no new opening.
    if (!event->spontaneous())
        Form_Activate();
}

void VorlaWindow::Form_Activate()
{
    m_text1->setFocus(Qt::ActiveWindowFocusReason);
    setHeightTwips(CollapsedHeightTwips);
}

void VorlaWindow::lblinstruct_Click()
{
    const int target = tag().toInt();
    if (target == 0)
        setTag(QStringLiteral("1"));
    else if (target == 1)
        setTag(QStringLiteral("0"));
    m_timer1->start();
}

// One step of the height animation. It steps from the height last asked for: a window
// manager confirms each resize later, often after the next 1 ms tick, and stepping from the
// height read back then would repeat a step or stop short. Every tick moves the asked height
// 100 twips towards the bound, so the animation ends within 39 ticks whatever the window
// system does with the sizes, and a second click turns it back from where it has got to.
void VorlaWindow::Timer1_Timer()
{
    const int height = m_askedHeight;
    const int target = tag().toInt();
    if (target == 0) {
        if (height > CollapsedHeightTwips)
            setHeightTwips(height - StepTwips);
        else
            m_timer1->stop();
    } else if (target == 1) {
        if (height < ExpandedHeightTwips)
            setHeightTwips(height + StepTwips);
        else
            m_timer1->stop();
    }
}

void VorlaWindow::Command1_Click()
{
    const QString body = MsgBox::lines({
        tr("Some words you might want to add in here to give you good vorla (luck):"),
        QString(),
        tr("TORAH"),
        tr("GOD"),
        tr("LOVE"),
        tr("PEACE"),
        tr("MONEY"),
        tr("RICH"),
        tr("LUCKY"),
        tr("CLOVER"),
        tr("JESUS"),
        tr("SEX"),
        tr("LIFE"),
        tr("DATE OF LOTTERY DRAW"),
        tr("YOUR DATE OF BIRTH"),
        tr("CLOSEST PERSON TOO YOU"),
        tr("PAST WINNING NUMBERS"),
        QString(),
        tr("You might want to cut and paste your autobiography, or your best work. You just "
           "never know..."),
    });
    MsgBox::info(this, body, tr("Possible words you might want to use . . ."));
}

void VorlaWindow::Command2_Click()
{
    m_text1->clear();
}

void VorlaWindow::CMDOK_Click()
{
    close(); // Form_Unload refuses and hides
}

void VorlaWindow::done(int r)
{
    setResult(r);
    close();
}

void VorlaWindow::closeEvent(QCloseEvent *event)
{
    Form_Unload(event);
}

void VorlaWindow::Form_Unload(QCloseEvent *event)
{
    Lotto.VorlaAdded = m_text1->document()->isEmpty() ? LottoModule::False : LottoModule::True;
    event->ignore(); // the window, its text and its controls stay
    m_timer1->stop();
    setHeightTwips(CollapsedHeightTwips);
    setTag(QStringLiteral("0"));
    hide(); // ends the modal show
}

bool VorlaWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        // The control under the pointer takes the keyboard focus, at every move.
        QWidget *control =
            watched == m_text1->viewport() ? m_text1 : qobject_cast<QWidget *>(watched);
        if (control && control != m_lblinstruct)
            Pointer::takeFocus(control);
        break;
    }
    case QEvent::MouseButtonRelease:
        if (watched == m_lblinstruct && Pointer::completesClick(m_lblinstruct, event)) {
            lblinstruct_Click();
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
