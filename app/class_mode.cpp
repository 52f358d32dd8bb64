#include "app/class_mode.h"

#include "navigation/class_sheet.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <QUrl>
#include <cstdio>
#include <cstring>

namespace {

const char kOption[] = "--bilan-classe";

void say(FILE* to, const QString& text) {
    std::fputs(qPrintable(text + QLatin1Char('\n')), to);
}

} // namespace

bool wantsClassSheet(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], kOption) == 0) return true;
    return false;
}

int runClassSheet(int argc, char** argv) {
    // From a terminal with no desktop (a teacher's remote session), the sheet is still made.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvelle 3"));
    QGuiApplication::setDesktopFileName(QStringLiteral(MORVELLE_APP_ID));

    // The help, the folder dialog and its buttons in French.
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Bilan de la classe : les résultats de tous les élèves."));
    parser.addOption(
        {QStringLiteral("bilan-classe"), QStringLiteral("Écrit le bilan de la classe (PDF et CSV).")});
    parser.addOption({QStringLiteral("ouvrir"),
                      QStringLiteral("Demande le dossier s'il n'est pas réglé, puis ouvre le bilan.")});
    parser.addPositionalArgument(QStringLiteral("dossier"),
                                 QStringLiteral("Le dossier de la classe (par défaut, celui des réglages)."),
                                 QStringLiteral("[DOSSIER]"));
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Affiche cette aide.")});
    parser.process(app);
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    const bool open = parser.isSet(QStringLiteral("ouvrir"));
    if (parser.positionalArguments().size() > 1) {
        say(stderr, QStringLiteral("morvelle3 : un seul dossier à la fois."));
        return 2;
    }

    auto fail = [open](const QString& text) {
        say(stderr, QStringLiteral("morvelle3 : ") + text);
        if (open) QMessageBox::warning(nullptr, kClassSheetName, text.left(1).toUpper() + text.mid(1));
        return 1;
    };

    QString folder = parser.positionalArguments().value(0, configuredClassFolder());
    if (folder.isEmpty() && open)
        folder = QFileDialog::getExistingDirectory(nullptr, QStringLiteral("Choisir le dossier de la classe"),
                                                   QDir::homePath());
    if (folder.isEmpty()) {
        if (open) return 1; // the teacher closed the dialog
        say(stderr, QStringLiteral("morvelle3 : aucun dossier de classe n'est donné ni réglé (clé dossier du "
                                   "groupe [classe] de morvelle3/morvelle3.conf)."));
        return 2;
    }

    ClassSheet sheet;
    const QString why = writeClassSheet(folder, &sheet);
    if (!why.isEmpty())
        return fail(QStringLiteral("le bilan de la classe n'a pas pu être écrit dans %1 : %2.")
                        .arg(QDir::toNativeSeparators(folder), why));
    const QString pdf = QDir(folder).filePath(kClassSheetName + QStringLiteral(".pdf"));
    say(stdout, QStringLiteral("%1 : %2 élève(s), %3 fichier(s) illisible(s).")
                    .arg(QDir::toNativeSeparators(pdf))
                    .arg(sheet.pupils.size())
                    .arg(sheet.unreadable));
    if (open && !QDesktopServices::openUrl(QUrl::fromLocalFile(pdf)))
        return fail(QStringLiteral("le bilan est écrit dans %1, mais aucun lecteur de PDF n'a pu l'ouvrir.")
                        .arg(QDir::toNativeSeparators(pdf)));
    return 0;
}
