// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting and dealing a page text list: done on every page turn.
#include "lists.h"
#include "text.h"

#include <benchmark/benchmark.h>
#include <utility>

namespace {

using tk::operator""_gbk;

// A 25-item page (50 lines) in GBK, joined with CR LF as the book stores it.
tk::Text pageText() {
    const std::pair<const char*, const char*> items[] = {
        {"Let's talk", "说一说"},
        {"Hello! I'm Ben. I'm from Canada.", "你好！我是本。我来自加拿大。"},
        {"Welcome to our school, Ben!", "欢迎来到我们的学校，本！"},
        {"Who is that woman?", "那个女人是谁？"},
        {"She is my mother.", "她是我的妈妈。"},
        {"$", "$"},
        {"Is it in your desk?", "它在你的书桌里吗？"},
        {"No, it isn't. It's under the chair.", "不，不在。它在椅子下面。"},
        {"Do you like pears?", "你喜欢梨吗？"},
        {"Yes, I do. I like apples too.", "是的，我喜欢。我也喜欢苹果。"},
        {"How many birds can you see?", "你能看见多少只鸟？"},
        {"I can see fifteen.", "我能看见十五只。"},
        {"giraffe", "长颈鹿"},
    };
    tk::Text text;
    for (int i = 0; i < 25; ++i) {
        const auto& [english, chinese] = items[i % std::size(items)];
        if (i > 0) {
            text += "\r\n";
        }
        text += english;
        text += "\r\n";
        text += tk::toGbk(chinese);
    }
    return text;
}

void BM_SplitPage(benchmark::State& state) {
    const tk::Text text = pageText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tk::SplitText(text, "\r\n"));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_SplitPage);

void BM_DealPage(benchmark::State& state) {
    const tk::Text text = pageText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(dealLines(text));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_DealPage);

void BM_DealPageIntoArrays(benchmark::State& state) {
    const tk::Text text = pageText();
    tk::TextArray english;
    tk::TextArray chinese;
    for (auto _ : state) {
        dealLines(text, english, chinese);
        benchmark::DoNotOptimize(english.data());
        benchmark::DoNotOptimize(chinese.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_DealPageIntoArrays);

} // namespace

BENCHMARK_MAIN();
