// The catalogues: every text of the program translated in every language,
// with the placeholders of its source and keyboard mnemonics that do not
// clash, and Qt's own texts (standard buttons) translated too.
#include "testsupport.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/datetext.h"
#include "services/reportformat.h"
#include "ui/dialogs/accountformdialog.h"
#include "ui/dialogs/transactionformdialog.h"
#include "ui/mainwindow.h"
#include "ui/register/registerfilterdialog.h"
#include "ui/screens/recurringformdialog.h"
#include "update/core/updateclient.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString context;
    QString source;
    bool numerus = false;
    bool finished = false;
    QStringList forms; // the one translation, or the numerus forms
};

QList<Message> readCatalogue(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            current = Message();
            current.context = context;
            current.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            current.finished = type.isEmpty();
            if (!current.numerus) {
                current.forms = {xml.readElementText()};
                messages.append(current);
            } else {
                while (xml.readNextStartElement())
                    current.forms.append(xml.readElementText());
                messages.append(current);
            }
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QString catalogue(const QString& language)
{
    return QStringLiteral(TALLYLEAF_I18N_DIR "/tallyleaf_%1.ts").arg(language);
}

// %1 … %99 and %n, each once in the set.
QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%(\\d{1,2}|n)"));
    QSet<QString> found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured(0));
    return found;
}

// The accelerator letter of a text ("&&" is a literal ampersand, and so is
// "&" before a space or a sign, as in "Data & Sync"), lower case; empty when
// there is none.
QString mnemonic(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        if (text.at(i + 1).isLetterOrNumber())
            return text.at(i + 1).toLower();
    }
    return {};
}

// Menu texts without an accelerator.
QStringList missing(const QString& where, const QStringList& texts)
{
    QStringList found;
    for (const QString& text : texts) {
        if (mnemonic(text).isEmpty())
            found << QStringLiteral("%1: \"%2\" has no access key").arg(where, text);
    }
    return found;
}

// Accelerators that two texts of one menu or one dialog share.
QStringList clashes(const QString& where, const QStringList& texts)
{
    QHash<QString, QString> seen;
    QStringList found;
    for (const QString& text : texts) {
        const QString letter = mnemonic(text);
        if (letter.isEmpty())
            continue;
        if (seen.contains(letter))
            found << QStringLiteral("%1: \"%2\" and \"%3\" share '%4'").arg(where, seen.value(letter), text, letter);
        seen.insert(letter, text);
    }
    return found;
}

// The texts that carry accelerators in a dialog: buttons and labels.
QStringList acceleratedTexts(const QWidget* dialog)
{
    QStringList texts;
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        texts << button->text();
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->buddy())
            texts << label->text();
    }
    return texts;
}

int formsFor(const QString& language)
{
    return language == QLatin1String("ja") ? 1 : 2;
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void complete_data();
    void complete();
    void everySourceTextListed_data();
    void everySourceTextListed();
    void standardButtonsTranslated_data();
    void standardButtonsTranslated();
    void mnemonics_data();
    void mnemonics();
    void interfaceTexts_data();
    void interfaceTexts();

private:
    void languages();
    void otherLanguages();
};

void TranslationsTest::languages()
{
    QTest::addColumn<QString>("language");
    for (const char* language : {"de", "en", "es", "fr", "ja"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TranslationsTest::otherLanguages()
{
    QTest::addColumn<QString>("language");
    for (const char* language : {"de", "es", "fr", "ja"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TranslationsTest::complete_data()
{
    languages();
}

void TranslationsTest::complete()
{
    QFETCH(QString, language);
    QString error;
    const QList<Message> messages = readCatalogue(catalogue(language), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!messages.isEmpty());
    // English falls back on the source text; it carries only plural forms.
    const bool english = language == QLatin1String("en");

    QStringList faults;
    for (const Message& m : messages) {
        const QString where = m.context + QStringLiteral(": \"") + m.source + QLatin1Char('"');
        if (english && !m.numerus)
            continue;
        if (!m.finished)
            faults << QStringLiteral("unfinished ") + where;
        if (m.numerus && m.forms.size() != formsFor(language))
            faults << QStringLiteral("%1 plural forms for ").arg(m.forms.size()) + where;
        for (const QString& form : m.forms) {
            if (form.trimmed().isEmpty())
                faults << QStringLiteral("empty translation of ") + where;
            else if (placeholders(form) != placeholders(m.source))
                faults << QStringLiteral("placeholders differ in \"%1\" for ").arg(form) + where;
            if (mnemonic(m.source).isEmpty() != mnemonic(form).isEmpty())
                faults << QStringLiteral("mnemonic kept or added in \"%1\" for ").arg(form) + where;
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TranslationsTest::everySourceTextListed_data()
{
    languages();
}

void TranslationsTest::everySourceTextListed()
{
    QFETCH(QString, language);
    // lupdate over the sources, as the build runs it, must find nothing the
    // catalogue does not hold.
    static QList<Message> extracted;
    if (extracted.isEmpty()) {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString fresh = dir.filePath(QStringLiteral("fresh.ts"));
        QProcess lupdate;
        lupdate.start(QStringLiteral(TALLYLEAF_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral(TALLYLEAF_SOURCE_DIR), QStringLiteral("-ts"), fresh});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        QString error;
        extracted = readCatalogue(fresh, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!extracted.isEmpty());
    }
    QString error;
    QSet<QPair<QString, QString>> held;
    for (const Message& m : readCatalogue(catalogue(language), &error))
        held.insert({m.context, m.source});
    QStringList missing;
    for (const Message& m : std::as_const(extracted)) {
        if (!held.contains({m.context, m.source}))
            missing << m.context + QStringLiteral(": \"") + m.source + QLatin1Char('"');
    }
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("run the update_translations target:\n")
                                           + missing.join(QLatin1Char('\n'))));
}

void TranslationsTest::standardButtonsTranslated_data()
{
    otherLanguages();
}

void TranslationsTest::standardButtonsTranslated()
{
    QFETCH(QString, language);
    // The way the application loads Qt's own catalogue.
    QTranslator qt;
    if (!qt.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QSKIP("Qt's translations are not installed (qt6-translations-l10n)");
    QCoreApplication::installTranslator(&qt);
    QDialogButtonBox buttons(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
    const QString yes = buttons.button(QDialogButtonBox::Yes)->text();
    const QString cancel = buttons.button(QDialogButtonBox::Cancel)->text();
    QCoreApplication::removeTranslator(&qt);
    QVERIFY2(yes != QLatin1String("&Yes") && cancel != QLatin1String("Cancel"), qPrintable(yes + QLatin1Char('|') + cancel));
}

void TranslationsTest::mnemonics_data()
{
    languages();
}

void TranslationsTest::mnemonics()
{
    // Every menu item has an access key of its own; dialogs' keys do not clash.
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/tallyleaf_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&translator);
    qputenv("TALLYLEAF_DEV", "1"); // the sample-data items too
    QStringList faults;
    {
        AppState state;
        QVERIFY(state.initialize());
        Account account;
        account.id = QStringLiteral("acc-%1").arg(language);
        account.name = QStringLiteral("Checking");
        account.createdAt = account.updatedAt = QDateTime::currentDateTimeUtc();
        state.accountRepository()->insert(account);

        MainWindow window(&state);
        QStringList titles;
        for (QAction* action : window.menuBar()->actions()) {
            titles << action->text();
            if (QMenu* menu = action->menu()) {
                QStringList items;
                for (QAction* item : menu->actions()) {
                    if (!item->isSeparator())
                        items << item->text();
                }
                faults << missing(QStringLiteral("menu ") + action->text(), items);
                faults << clashes(QStringLiteral("menu ") + action->text(), items);
            }
        }
        faults << missing(QStringLiteral("menu bar"), titles);
        faults << clashes(QStringLiteral("menu bar"), titles);

        AccountFormDialog accountForm;
        faults << clashes(QStringLiteral("account form"), acceleratedTexts(&accountForm));
        TransactionFormDialog transactionForm(&state, account.id);
        faults << clashes(QStringLiteral("transaction form"), acceleratedTexts(&transactionForm));
        RecurringFormDialog recurringForm(&state);
        faults << clashes(QStringLiteral("recurring form"), acceleratedTexts(&recurringForm));
        RegisterFilterDialog filterDialog(&state, RegisterFilter());
        faults << clashes(QStringLiteral("filter dialog"), acceleratedTexts(&filterDialog));
    }
    qunsetenv("TALLYLEAF_DEV");
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TranslationsTest::interfaceTexts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("de category") << "de" << "category" << "Ohne Kategorie";
    QTest::newRow("de short date") << "de" << "short date" << "01.12.26";
    QTest::newRow("de named month") << "de" << "named month" << "7. Dez. 2026";
    QTest::newRow("de named month, time") << "de" << "named month time" << "7. Dez. 2026 15:04";
    QTest::newRow("de update reason") << "de" << "reason" << "Netzwerkfehler: Antwort zu groß oder zu langsam";
    QTest::newRow("ja category") << "ja" << "category" << "未分類";
    QTest::newRow("ja short date") << "ja" << "short date" << "2026/12/01";
    QTest::newRow("ja named month") << "ja" << "named month" << "2026年12月7日";
    QTest::newRow("ja update reason") << "ja" << "reason" << "ネットワークエラー: 応答が大きすぎるか遅すぎます";
    // English keeps the fixed patterns.
    QTest::newRow("en category") << "en" << "category" << "Uncategorized";
    QTest::newRow("en named month") << "en" << "named month" << "Dec 7, 2026";
    QTest::newRow("en named month, time") << "en" << "named month time" << "Dec 7, 3:04 pm";
    QTest::newRow("en update reason") << "en" << "reason" << "network error: reply too large or too slow";
}

void TranslationsTest::interfaceTexts()
{
    QFETCH(QString, language);
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/tallyleaf_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&translator);
    const QLocale system;
    QLocale::setDefault(QLocale::c());
    setInterfaceLanguage(language);

    const QDateTime time(QDate(2026, 12, 7), QTime(15, 4));
    QString shown;
    if (kind == QLatin1String("category"))
        shown = ReportFormat::categoryLabel(QStringLiteral("Uncategorized"));
    else if (kind == QLatin1String("short date"))
        shown = shortDateText(QDate(2026, 12, 1));
    else if (kind == QLatin1String("named month"))
        shown = namedMonthText(time.date(), QStringLiteral("MMM d, yyyy"));
    else if (kind == QLatin1String("named month time"))
        shown = namedMonthText(time, QStringLiteral("MMM d, h:mm ap"));
    else
        shown = LarkUpdate::reasonText(QStringLiteral("network error: reply too large or too slow"));

    setInterfaceLanguage(QString());
    QLocale::setDefault(system);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(shown, expected);
}

TALLYLEAF_TEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
