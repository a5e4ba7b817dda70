// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fillin_window.h"

#include "catalogue.h"
#include "clock.h"
#include "common/feedback.h"
#include "fillin_logic.h"
#include "fillin_names.h"
#include "platform.h"
#include "qtext.h"
#include "random.h"
#include "sound.h"
#include "window.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImageReader>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

namespace fillin {

using tk::operator""_gbk;

namespace {

using tk::Event;
using tk::Kind;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kBlack = tk::Rgb(0, 0, 0);
constexpr int kFontSize = 16;
constexpr int kEnterKey = 13;
constexpr int kFeedbackPauseMs = 4000;

struct FillIn {
    tk::TextArray english;
    tk::TextArray chinese;
    tk::ClipList clips;
    int questionIndex = 0; // 0 while no question is asked
    tk::Text missingWord;
    bool readAloud = false;
    bool showChinese = false;
};

using State = std::shared_ptr<FillIn>;

template <typename T> T itemAt(const std::vector<T>& items, int k) {
    return k >= 1 && k <= static_cast<int>(items.size()) ? items[static_cast<std::size_t>(k - 1)]
                                                         : T{};
}

void playLine(const FillIn& s) {
    tk::PlayClip(itemAt(s.clips, s.questionIndex));
}

void takeSwitches(tk::Window& window, FillIn& s) {
    s.readAloud = window.unit(kReadAloudSwitch).checked();
    s.showChinese = window.unit(kChineseSwitch).checked();
}

// How far the first bytes of a line reach as the unit draws it.
LineAdvance advanceIn(const tk::UnitRef& unit) {
    const QWidget* widget = unit.widget();
    return [metrics = QFontMetricsF(widget ? widget->font() : QFont())](std::string_view line,
                                                                        int bytes) {
        const int chars = static_cast<int>(tk::toQString(tk::LeftText(line, bytes)).size());
        return metrics.horizontalAdvance(tk::toQString(line), chars);
    };
}

void noQuestion(tk::Window& window, FillIn& s) {
    s.questionIndex = 0;
    s.missingWord.clear();
    window.unit(kAnswerBox).setDisabled(true);
}

void newQuestion(tk::Window& window, FillIn& s) {
    tk::UnitRef box = window.unit(kAnswerBox);
    box.setText({});
    tk::UnitRef line = window.unit(kQuestionLine);
    box.setLeft(line.left());
    if (s.english.size() != s.chinese.size()) {
        noQuestion(window, s);
        tk::ShowMessage("英语和汉语和读音的数量不同"_gbk);
        return;
    }
    const std::optional<Question> question =
        drawQuestion(s.english, {[] { tk::SeedRandom(); },
                                 [](int min, int max) { return tk::RandomInt(min, max); }});
    if (!question) {
        noQuestion(window, s);
        return;
    }
    s.questionIndex = question->index;
    s.missingWord = question->word;
    if (s.readAloud) {
        playLine(s);
    }
    const tk::Text text = itemAt(s.english, s.questionIndex);
    line.setCaption(text);
    const BoxPlace place = answerBoxOver(text, s.missingWord, line.left(), advanceIn(line));
    box.setGeometry(place.left, box.top(), place.width, box.height());
    box.setDisabled(false);
    tk::UnitRef chinese = window.unit(kChineseHint);
    chinese.setVisible(s.showChinese);
    chinese.setCaption(itemAt(s.chinese, s.questionIndex));
    window.unit(kAnswerHint).setCaption(s.missingWord);
}

void judge(tk::Window& window, FillIn& s) {
    if (s.questionIndex == 0) {
        return;
    }
    window.unit(kAnswerHint).setVisible(false);
    const common::FeedbackDraw draw =
        common::drawFeedback(static_cast<int>(std::size(common::kGameRetries)));
    tk::UnitRef box = window.unit(kAnswerBox);
    if (box.text() == s.missingWord) {
        common::playFeedback(common::Outcome::Right, draw, common::kGameRetries);
        tk::Delay(kFeedbackPauseMs);
        newQuestion(window, s);
    } else {
        common::playFeedback(common::Outcome::Wrong, draw, common::kGameRetries);
        tk::Delay(kFeedbackPauseMs);
        if (s.readAloud) {
            playLine(s);
        }
        box.setText({});
    }
    tk::SetFocus(box);
}

void nextQuestion(tk::Window& window, FillIn& s) {
    tk::SetFocus(window.unit(kAnswerBox));
    window.unit(kAnswerHint).setVisible(false);
    tk::StopSound();
    takeSwitches(window, s);
    newQuestion(window, s);
}

void created(tk::Window& window, FillIn& s) {
    window.unit(kBackground).setImage(backgroundPicture());
    takeSwitches(window, s);
    newQuestion(window, s);
}

tk::UnitDef text(tk::UnitDef def) {
    def.font.size = kFontSize;
    def.textColor = kBlack;
    return def;
}

tk::UnitDef hidden(tk::UnitDef def) {
    def.visible = false;
    return def;
}

tk::UnitDef ticked(tk::UnitDef def, std::string caption) {
    def.caption = std::move(caption);
    def.checked = true;
    return def;
}

// Picture only: the face carries the lettering.
tk::UnitDef pictureButton(const char* name, tk::Rect rect, std::string_view face) {
    tk::UnitDef def = tk::unitDef(name, Kind::SuperBtn, rect, kBackground);
    def.picture = content::buttonFace(face);
    return def;
}

tk::UnitDef answerBox() {
    tk::UnitDef def = tk::unitDef(kAnswerBox, Kind::EditBox, {190, 154, 15, 36});
    def.font.size = kFontSize;
    return def;
}

tk::UnitDef startButton() {
    tk::UnitDef def = tk::unitDef(kStart, Kind::Button, {652, 548, 100, 36}, kBackground);
    def.caption = "开始";
    return hidden(def);
}

using Work = void (*)(tk::Window&, FillIn&);

tk::Binding binding(const char* unit, Event event, State state, Work work) {
    return {unit, event, [state = std::move(state), work](const tk::EventArgs&) {
                if (tk::Window* window = tk::EventUnit().window()) {
                    work(*window, *state);
                }
            }};
}

} // namespace

tk::WindowDef fillInWindow(const common::PageLists& lists) {
    auto state = std::make_shared<FillIn>();
    state->english = lists.english;
    state->chinese = lists.chinese;
    state->clips = lists.clips;

    tk::WindowDef window;
    window.name = "填一填窗口";
    window.caption = "填一填";
    window.width = kWidth;
    window.height = kHeight;
    window.left = 50;
    window.top = 50;
    window.titleBar = false;
    window.units = {
        // Its picture is given, decoded already, when the window is created.
        tk::unitDef(kBackground, Kind::PicBox, {0, 0, kWidth, kHeight}),
        text(tk::unitDef(kQuestionLine, Kind::TransLabel, {190, 154, 464, 36})),
        answerBox(),
        text(tk::unitDef(kChineseHint, Kind::TransLabel, {190, 224, 378, 36})),
        hidden(text(tk::unitDef(kAnswerHint, Kind::TransLabel, {188, 354, 378, 36}))),
        ticked(tk::unitDef(kChineseSwitch, Kind::CheckBox, {136, 428, 124, 28}, kBackground),
               "是否显示汉语翻译"),
        ticked(tk::unitDef(kReadAloudSwitch, Kind::CheckBox, {270, 427, 92, 28}, kBackground),
               "是否读音"),
        pictureButton(kNextQuestion, {128, 475, 104, 40}, "fillin_next"),
        pictureButton(kListenAgain, {254, 474, 100, 40}, "fillin_listen_again"),
        pictureButton(kAnswer, {381, 476, 60, 40}, "fillin_answer"),
        pictureButton(kConfirm, {474, 475, 60, 40}, "fillin_ok"),
        pictureButton(kExit, {704, 475, 40, 40}, "fillin_exit"),
        startButton(),
    };
    window.bindings = {
        binding("", Event::Created, state, created),
        binding(kNextQuestion, Event::Clicked, state, nextQuestion),
        binding(kConfirm, Event::Clicked, state, judge),
        {kAnswerBox, Event::KeyPressed,
         [state](const tk::EventArgs& args) {
             tk::Window* shown = tk::EventUnit().window();
             if (shown && args.key == kEnterKey) {
                 judge(*shown, *state);
             }
         }},
        binding(kAnswer, Event::Clicked, state,
                [](tk::Window& w, FillIn&) { w.unit(kAnswerHint).setVisible(true); }),
        binding(kListenAgain, Event::Clicked, state,
                [](tk::Window&, FillIn& s) {
                    if (s.readAloud) {
                        playLine(s);
                    }
                }),
        binding(kExit, Event::Clicked, state, [](tk::Window& w, FillIn&) { tk::UnloadWindow(&w); }),
        binding(kStart, Event::Clicked, state, newQuestion),
    };
    return window;
}

void openFillIn(const common::PageLists& lists) {
    tk::LoadWindow(fillInWindow(lists), nullptr, true);
}

const QImage& backgroundPicture() {
    static const QImage decoded = [] {
        QByteArray data = content::picture(content::PictureRole::DrillBackground);
        QBuffer source(&data);
        source.open(QIODevice::ReadOnly);
        QImageReader reader(&source);
        // Straight at the window's size: a fraction of a full decode.
        reader.setScaledSize(QSize(kWidth, kHeight));
        return reader.read();
    }();
    return decoded;
}

} // namespace fillin
