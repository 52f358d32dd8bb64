#pragma once
// What the twenty exercise screens share: the window, the chrome, the seven common controls,
// the standard messages, the states and the four button handlers.
#include "framework/forms.h"

namespace forms {

// How the home screen side hears of an exercise's outcome.
class ExerciseHost {
public:
    virtual ~ExerciseHost() = default;
    // Records Resultat(N) and lights the exercise's green or red light.
    virtual void exerciseValidated(int number, bool right) = 0;
    // Gives the exercise back: title and box enabled again, box unticked.
    virtual void exerciseAbandoned(int number) = 0;
};

// The particulars of one exercise screen that the shared steps read.
struct ExerciseInfo {
    int number = 0;
    QString title;
    // Names of the chrome controls on this screen.
    QString numberLabel = QStringLiteral("Label28");
    QString band = QStringLiteral("Shape13");
    QString titleLabel = QStringLiteral("Label1");
    QString rule = QStringLiteral("Line4");
    QString panel = QStringLiteral("Shape1");
    QString infoBox = QStringLiteral("Shape81");
    // Window and chrome.
    bool emptyCaption = false;
    int clientWidth = 15240;
    int clientHeight = 11115;
    BgrColor back = 0xFFFFFF;
    BgrColor bandColor = 0x1010D6;
    BgrColor titleColor = 0xFFFFFF;
    QRect bandRect{240, 600, 14775, 615};
    QRect panelRect{3000, 1680, 12015, 9255};
    bool panelOpaque = false;
    bool hasPanel = true;
    int titleLeft = -1, titleWidth = -1; // -1: centred on the band, as wide as the title
    QString infoCaption = QStringLiteral("-");
    int abandonLeft = 14640;
    QPoint bonAt{120, 3600};
    QRect fauxRect{2400, 3600, 435, 435};
    // Departures from the shared steps.
    bool instructionWithoutStop = false;
    bool keepsCrossOnCorrection = false;
    bool keepsInfoOnCorrection = false;
    bool continuerBeforeComparing = false;
    QString correctionMessage; // empty: the standard one
};

// The keys of the four picture buttons, the same on every exercise screen.
extern const QKeySequence kValidationKey, kCorrectionKey, kContinuerKey, kAbandonKey;

enum class Verdict { Right, Wrong, WrongWithTypo };

namespace messages {
extern const QString instruction;
extern const QString success;
extern const QString failure;
extern const QString failureTypo;
extern const QString correction;
} // namespace messages

class ExerciseScreen : public Form {
public:
    ExerciseScreen(const ExerciseInfo& info, ExerciseHost* host);
    const ExerciseInfo& info() const { return info_; }
    void setHost(ExerciseHost* h) { host_ = h; }

    // The shared handlers.
    void imgValidation_Click();
    void imgCorrection_Click();
    void imgContinuer_Click();
    void imgAbandon_Click();

    // Fills in the expected answers, for the screenshots of a right answer; false if the screen has none yet.
    virtual bool enterRightAnswers() { return false; }
    // Fills in a typical wrong answer, for the screenshots of a failure; a screen left blank is one too.
    virtual void enterWrongAnswers() {}

    QPointer<Label> lblInfo;
    QPointer<Picture> imgValidation, imgCorrection, imgContinuer, imgAbandon, imgBon, imgfaux;

protected:
    WindowDesign design() const override;
    void build() override;
    void Form_Load() override;
    // A window closed from outside leaves the exercise as its own buttons would: given back before
    // validation, kept with its result after it.
    void closedByUser() override;

    // What each exercise supplies.
    virtual void buildContent() {}
    virtual void loadContent() {}
    virtual std::vector<QWidget*> answerControls() { return {}; }
    // Judges the answers without changing anything; a screen with nothing to answer yet always fails.
    virtual Verdict verdict() { return Verdict::Wrong; }
    virtual void revealCorrection() {}

private:
    ExerciseInfo info_;
    ExerciseHost* host_;
};

} // namespace forms
