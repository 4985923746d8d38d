#pragma once

#include "ileum/ui/frm_ileum.h"
#include "support/seams/fake_clock.h"
#include "support/seams/scripted_random.h"
#include "support/windows/message_box_script.h"
#include "support/windows/window_probe.h"

#include <QImage>
#include <QString>
#include <QVector>

class PaperImage;

// Draws giving the strip of the worked examples, z = 182 and k = 2.0, and
// then a matching volume of 0.32 ml (the last draw repeats).
constexpr float ZeroLevel182 = 0.5f;
constexpr float Sensitivity2 = 0.25f;
constexpr float MatchVolume032 = 0.4f;

// One ileum practical as the student starts it: the front page opened, and
// Tutorial chosen, or Examination with the supervisor's password. Chance is
// scripted, the clock never blocks and message boxes are answered by script.
// Every window is unloaded at the end.
struct IleumPractical
{
    enum class Mode { Tutorial, Examination };
    static const QString Password; // the supervisor's entry: "sup1"

    explicit IleumPractical(Mode mode = Mode::Tutorial,
                            QVector<float> draws = {ZeroLevel182, Sensitivity2, MatchVolume032});
    ~IleumPractical();

    Frm_Ileum *window() const;
    template <class T> T *control(const QString &name) const;
    // A mouse click on a visible button of the experiment window.
    void click(const QString &button);
    // The student empties the box and types the text.
    void type(const QString &box, const QString &text);
    QString text(const QString &box) const;

    // The matching assay started and the standard typed and accepted.
    void acceptStandard(const QString &standard);

    const PaperImage &paper() const;
    QImage paperPicture() const;

    FakeClock clock;
    ScriptedRandom chance;
    MessageBoxScript boxes;
};

// A paper as the ileum recorder starts it, width pixels wide.
PaperImage blankIleumPaper(int width);
QImage pictureOf(const PaperImage &paper);
// The first injection after a load, on the 537-pixel paper: the baseline
// stretch 487 to 507, a contraction rising from 467 and falling at 486 from
// the baseline to the peak, its cap, and the label under the baseline.
PaperImage firstContraction(int peak, const QString &label);

template <class T> T *IleumPractical::control(const QString &name) const
{
    return WindowProbe::control<T>(window(), name);
}
