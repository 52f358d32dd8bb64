#pragma once
// The screens a pupil passes through outside the exercises, and the record they share.
#include "framework/exercise_screen.h"
#include "framework/printing.h"
#include "navigation/module1.h"

#include <QDateTime>
#include <array>
#include <functional>

struct Navigation;

class frmPresentation : public forms::Form {
public:
    explicit frmPresentation(Navigation& nav) : Form(QStringLiteral("frmPresentation")), nav_(nav) {}
    // Starts drawing the splash picture before the splash screen is built (see forms::drawAhead).
    static void drawAhead();
    void Timer1_Timer();
    void Image1_Click();
    QPointer<forms::Picture> Image1;
    QPointer<forms::Label> Label3, lblSuite, Label2;
    QPointer<forms::Timer> Timer1;

protected:
    forms::WindowDesign design() const override;
    void build() override;

private:
    Navigation& nav_;
};

class frmInfo1 : public forms::Form {
public:
    explicit frmInfo1(Navigation& nav) : Form(QStringLiteral("frmInfo1")), nav_(nav) {}
    void cmdOK_Click();
    QPointer<forms::Label> lbl1, Label1;
    QPointer<forms::CommandButton> cmdOK;

protected:
    forms::WindowDesign design() const override;
    void build() override;
    void Form_Load() override;

private:
    Navigation& nav_;
};

class frmId : public forms::Form {
public:
    explicit frmId(Navigation& nav) : Form(QStringLiteral("frmId")), nav_(nav) {}
    void Command1_Click();
    QPointer<forms::Label> Label1, Label2, Label3, Label4, Label5, lblInfo;
    QPointer<forms::Shape> Shape2;
    QPointer<forms::TextBox> txtNom, txtPrenom, txtClasse;
    QPointer<forms::CommandButton> Command1;

protected:
    forms::WindowDesign design() const override;
    void build() override;

private:
    Navigation& nav_;
};

class frmAuteur : public forms::Form {
public:
    frmAuteur() : Form(QStringLiteral("frmAuteur")) {}
    QPointer<forms::Label> Label1, Label3;

protected:
    forms::WindowDesign design() const override;
    void build() override;
};

class frmAccueil : public forms::Form, public forms::ExerciseHost {
public:
    explicit frmAccueil(Navigation& nav) : Form(QStringLiteral("frmAccueil")), nav_(nav) {}
    void chkExo_Click(int n);
    void lblExo1_Click();
    void cmdQuitter_Click();
    void Image2_Click();

    void exerciseValidated(int number, bool right) override;
    void exerciseAbandoned(int number) override;

    QPointer<forms::Shape> Shape1, Shape2;
    QPointer<forms::Label> lblTitre2, Label1;
    QPointer<forms::Picture> Image2;
    QPointer<forms::Frame> Frame2;
    QPointer<forms::CommandButton> cmdQuitter;
    std::array<QPointer<forms::Label>, 21> lblExo;    // lblExo[1] .. lblExo[20]
    std::array<QPointer<forms::CheckBox>, 21> chkExo; // chkExo[1] .. chkExo[20]
    forms::ControlArray<forms::Picture> imgFeuvert, imgFeurouge; // 0 .. 19

protected:
    forms::WindowDesign design() const override;
    void build() override;
    void Form_Load() override;
    // Closed from outside, it leaves as Quitter does, so the pupil still gets the summary.
    void closedByUser() override { cmdQuitter_Click(); }

private:
    Navigation& nav_;
};

class frmBilan : public forms::Form {
public:
    explicit frmBilan(Navigation& nav) : Form(QStringLiteral("frmBilan")), nav_(nav) {}
    void cmdPrint_Click();
    void cmdQuitter_Click();
    QPointer<forms::Label> lblNom, lblPrenom, lblClasse, lblScoreCaption, lblScore, Label22, lblNote, Label11;
    std::array<QPointer<forms::Label>, 21> rowHeading, lbl, lblConseils; // rows 1 .. 20
    QPointer<forms::CommandButton> cmdPrint, cmdQuitter;
    std::array<QPointer<forms::Line>, 23> grid;

    // Where the page goes, and where the pupil chooses to save it as PDF instead (empty: cancelled).
    std::function<bool(const forms::Page&)> printer = forms::printOnDefaultPrinter;
    std::function<QString(QWidget* parent, const QString& proposedName)> choosePdfFile;
    // The time the run is left in the class folder under.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };

    // Leaves the run in the class folder, when one is set: the summary's page and the results, as they
    // stand (also when the run ends before the summary opens). One pair of files a run, written again if
    // the results change. Empty, or why it failed.
    QString deposit();

protected:
    forms::WindowDesign design() const override;
    void build() override;
    void Form_Load() override;

    // The last screen: its close box ends the program, as Quitter does.
    void closedByUser() override { cmdQuitter_Click(); }

private:
    void layOutIdentity();
    void fill();
    // The page the summary prints: the client area without its two buttons.
    forms::Page page();
    void offerPdf(const forms::Page& page);
    Navigation& nav_;
    Module1 deposited_;   // the record as last left in the class folder
    QString depositedAs_; // its files there, without the suffix
    QDateTime depositedAt_;
};

// A file name from a text the pupil typed: no character a disk refuses, short enough for any disk.
QString safeFileName(const QString& wanted, const QString& suffix = QStringLiteral(".pdf"));

struct Navigation {
    explicit Navigation(std::function<void(int)> openExercise) : openExercise(std::move(openExercise)) {}
    Module1 record;
    std::function<void(int)> openExercise;
    // Closes every exercise screen still open, each as its own close box does.
    std::function<void()> closeExercises;
    frmPresentation presentation{*this};
    frmInfo1 info1{*this};
    frmId id{*this};
    frmAccueil accueil{*this};
    frmAuteur auteur;
    frmBilan bilan{*this};
};
