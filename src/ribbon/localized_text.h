// Markup whose captions vary by language, kept once: an ASCII skeleton in which each caption
// stands as one mark, and each language's captions in order. The text the host receives is
// put together on first use, in a zero-initialized buffer of the module that answers with it,
// which costs no file size (a template's static storage would: it is emitted as data).
//
// Markup is written once for all languages, with each caption from a language's table
// wrapped by Caption(); the skeleton of every language must come out the same, or the build
// stops.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "common/ui_language.h"
#include "ribbon/fixed_text.h"
#include "ribbon/once.h"
#include "ribbon/text/ribbon_text.h"

namespace zorvane::ribbon {

// Around a caption in markup built while compiling; never in the text the host receives.
inline constexpr char16_t kCaptionStart = u'\uE000';
inline constexpr char16_t kCaptionEnd = u'\uE001';

template <TextPart Text>
consteval auto Caption(const Text& text) {
  return Concat(u"\uE000", text, u"\uE001");
}

// One text in every language.
struct LocalizedSource {
  std::string_view skeleton;                               // '\x01' where a caption goes, packed (below)
  std::array<const char16_t*, kUiLanguageCount> captions;  // in order, each followed by a zero
  std::array<std::size_t, kUiLanguageCount> lengths;
  std::size_t distinctLanguages;                           // 1 for a text without captions
};

// Puts the text of `source` in the language with this index together in `room`, which has
// space for its length and a zero; its first unit is published last (PublishFirstUnit).
void PutTogether(const LocalizedSource& source, std::size_t language, char16_t* room) noexcept;

// PutTogether(source, language, room) once for `flag`: a text put together on first use.
void PutTogetherOnce(OnceFlag& flag, const LocalizedSource& source, std::size_t language, char16_t* room) noexcept;

// A module's texts and where each is put together in the module's buffer, each once, under a
// flag of its own in the module's flags.
template <std::size_t Count>
class LocalizedTexts {
 public:
  constexpr explicit LocalizedTexts(const std::array<const LocalizedSource*, Count>& sources) : sources_(sources) {
    for (std::size_t text = 0; text < Count; ++text) {
      for (std::size_t language = 0; language < kUiLanguageCount; ++language) {
        lengths_[text][language] = sources_[text]->lengths[language];
        if (language < sources_[text]->distinctLanguages) {
          offsets_[text][language] = units_;
          units_ += lengths_[text][language] + 1;
        } else {
          offsets_[text][language] = offsets_[text][0];
        }
      }
    }
  }

  // How many units the module's buffer holds, and how many flags it keeps.
  constexpr std::size_t BufferUnits() const noexcept { return units_; }
  static constexpr std::size_t FlagCount() noexcept { return Count * kUiLanguageCount; }

  // Text number `text` in `language` (a value outside the enumeration is the first language),
  // followed by a zero, in `buffer`, which stays valid for the life of the module.
  std::u16string_view In(std::size_t text, UiLanguage language, char16_t* buffer, OnceFlag* flags) const noexcept {
    const std::size_t index = text::IndexOf(language);
    // Languages that share a text share its flag too.
    const std::size_t own = index < sources_[text]->distinctLanguages ? index : 0;
    char16_t* const room = buffer + offsets_[text][index];
    PutTogetherOnce(flags[text * kUiLanguageCount + own], *sources_[text], index, room);
    return {room, lengths_[text][index]};
  }

 private:
  std::array<const LocalizedSource*, Count> sources_;
  std::array<std::array<std::size_t, kUiLanguageCount>, Count> offsets_{};
  std::array<std::array<std::size_t, kUiLanguageCount>, Count> lengths_{};
  std::size_t units_ = 0;
};

namespace detail {

inline constexpr char kCaptionMark = '\x01';

// Markup that the texts repeat hundreds of times, each kept in a skeleton as one byte, 0x80 plus
// its index: the markup is ASCII, so those bytes are free. Packing the skeletons so keeps the
// module a third of the size it would be. Where one entry begins with another, the longer
// stands first: the first that matches is taken.
inline constexpr std::string_view kFrequentMarkup[] = {
    R"(<menu xmlns="http://schemas.microsoft.com/office/2006/01/customui">)",
    R"("/><menuSeparator id="rxAuditMiscSeparator_)",
    R"(<menuSeparator id="rxAuditMiscSeparator_)",
    R"(" getContent="rxQuelby_get")",
    R"(" getVisible="GetVisible")",
    R"(<toggleButton idMso=")",
    R"("/><control idMso=")",
    R"(" showLabel="false")",
    R"("/><button idMso=")",
    R"(" itemSize="large")",
    R"(<labelControl id=")",
    R"(<dynamicMenu id=")",
    R"(<checkBox idMso=")",
    R"(<buttonGroup id=")",
    R"(<control idMso=")",
    R"(<button idMso=")",
    R"(</buttonGroup>)",
    R"(" screentip=")",
    R"(<menu idMso=")",
    R"(<button id=")",
    R"(<tab idMso=")",
    R"(" supertip=")",
    R"(" onAction=")",
    R"(" imageMso=")",
    R"(<menu id=")",
    R"("/></menu>)",
    R"(" label=")",
    R"(<box id=")",
    R"(</menu>)",
    R"(" tag=")",
    R"(</box>)",
    R"(Insert)",
    R"(Format)",
    R"(Dialog)",
    R"(rxMenu_)",
    R"(Outlook)",
    R"(Message)",
    R"(File)",
    R"(View)",
    R"(Table)",
    R"("/>)",
};
static_assert(std::size(kFrequentMarkup) <= 0x7F, "one byte of 0x80 and above for each");
static_assert([] {
  for (std::size_t a = 0; a < std::size(kFrequentMarkup); ++a) {
    for (std::size_t b = a + 1; b < std::size(kFrequentMarkup); ++b) {
      if (kFrequentMarkup[b].starts_with(kFrequentMarkup[a])) return false;
    }
  }
  return true;
}(), "an entry that begins with another stands before it");

// The entry of kFrequentMarkup that `text` starts with, as its index; none: the count.
constexpr std::size_t FrequentMarkupAt(std::string_view text) {
  for (std::size_t i = 0; i < std::size(kFrequentMarkup); ++i) {
    if (text.starts_with(kFrequentMarkup[i])) return i;
  }
  return std::size(kFrequentMarkup);
}

// Calls `emit` with each byte of the packed form of `plain`; its first byte stays as it is
// (it is published last, as the text's first unit).
template <class Emit>
constexpr void Pack(std::string_view plain, Emit emit) {
  for (std::size_t at = 0; at < plain.size();) {
    const std::size_t entry = at == 0 ? std::size(kFrequentMarkup) : FrequentMarkupAt(std::string_view(plain.data() + at, plain.size() - at));
    if (entry == std::size(kFrequentMarkup)) {
      emit(plain[at++]);
    } else {
      emit(static_cast<char>(0x80 + entry));
      at += kFrequentMarkup[entry].size();
    }
  }
}

constexpr std::size_t PackedLength(std::string_view plain) {
  std::size_t length = 0;
  Pack(plain, [&length](char) { ++length; });
  return length;
}

template <std::size_t N>
constexpr std::array<char, N> Packed(std::string_view plain) {
  std::array<char, N> packed{};
  std::size_t pos = 0;
  Pack(plain, [&](char c) { packed[pos++] = c; });
  return packed;
}

// Never defined: reached while compiling, they stop the build and name the fault.
void MarkupOutsideCaptionsMustBeAscii();
void LanguagesMustDifferOnlyInCaptions();
void CaptionMarksMustPair();

struct MarkedCounts {
  std::size_t skeleton = 0;      // markup units plus one mark per caption
  std::size_t captionUnits = 0;  // caption units plus one zero per caption
  std::size_t plain = 0;         // what the host receives
  std::size_t captions = 0;
};

constexpr MarkedCounts CountsOf(std::u16string_view marked) {
  MarkedCounts counts;
  bool inCaption = false;
  for (char16_t c : marked) {
    if (c == kCaptionStart) {
      if (inCaption) CaptionMarksMustPair();
      inCaption = true;
      ++counts.skeleton;
      ++counts.captions;
    } else if (c == kCaptionEnd) {
      if (!inCaption) CaptionMarksMustPair();
      inCaption = false;
      ++counts.captionUnits;
    } else if (inCaption) {
      ++counts.captionUnits;
      ++counts.plain;
    } else {
      if (c >= 0x80 || c == kCaptionMark) MarkupOutsideCaptionsMustBeAscii();
      ++counts.skeleton;
      ++counts.plain;
    }
  }
  if (inCaption) CaptionMarksMustPair();
  return counts;
}

template <std::size_t N>
constexpr std::array<char, N> SkeletonOf(const std::array<std::u16string_view, kUiLanguageCount>& marked) {
  std::array<std::array<char, N>, kUiLanguageCount> skeletons{};
  for (std::size_t language = 0; language < kUiLanguageCount; ++language) {
    if (CountsOf(marked[language]).skeleton != N) LanguagesMustDifferOnlyInCaptions();
    std::size_t pos = 0;
    bool inCaption = false;
    for (char16_t c : marked[language]) {
      if (c == kCaptionStart) {
        skeletons[language][pos++] = kCaptionMark;
        inCaption = true;
      } else if (c == kCaptionEnd) {
        inCaption = false;
      } else if (!inCaption) {
        skeletons[language][pos++] = static_cast<char>(c);
      }
    }
    if (skeletons[language] != skeletons[0]) LanguagesMustDifferOnlyInCaptions();
  }
  return skeletons[0];
}

template <std::size_t N>
constexpr std::array<char16_t, N> CaptionsOf(const std::array<std::u16string_view, kUiLanguageCount>& marked) {
  std::array<char16_t, N> captions{};
  std::size_t pos = 0;
  for (std::u16string_view text : marked) {
    bool inCaption = false;
    for (char16_t c : text) {
      if (c == kCaptionStart) {
        inCaption = true;
      } else if (c == kCaptionEnd) {
        inCaption = false;
        captions[pos++] = u'\0';
      } else if (inCaption) {
        captions[pos++] = c;
      }
    }
  }
  return captions;
}

// `Make` is a lambda `[]<class T>() { return markup<T>.view(); }` over the language tables.
template <class Make>
struct Localized {
  static constexpr std::array<std::u16string_view, kUiLanguageCount> kMarked = text::PerLanguage(Make{});
  static constexpr auto kCounts = [] {
    std::array<MarkedCounts, kUiLanguageCount> counts{};
    for (std::size_t language = 0; language < kUiLanguageCount; ++language) counts[language] = CountsOf(kMarked[language]);
    return counts;
  }();
  static constexpr std::size_t kAllCaptionUnits = kCounts[0].captionUnits + kCounts[1].captionUnits +
                                                  kCounts[2].captionUnits;
  static constexpr std::array<char, kCounts[0].skeleton> kPlainSkeleton = SkeletonOf<kCounts[0].skeleton>(kMarked);
  static constexpr std::size_t kPackedLength = PackedLength({kPlainSkeleton.data(), kPlainSkeleton.size()});
  static constexpr std::array<char, kPackedLength> kSkeleton = Packed<kPackedLength>({kPlainSkeleton.data(), kPlainSkeleton.size()});
  static constexpr std::array<char16_t, kAllCaptionUnits> kCaptions = CaptionsOf<kAllCaptionUnits>(kMarked);
  static constexpr LocalizedSource kSource{
      {kSkeleton.data(), kSkeleton.size()},
      {kCaptions.data(), kCaptions.data() + kCounts[0].captionUnits,
       kCaptions.data() + kCounts[0].captionUnits + kCounts[1].captionUnits},
      {kCounts[0].plain, kCounts[1].plain, kCounts[2].plain},
      // Without captions, every language is the same text, put together once.
      kCounts[0].captions == 0 ? 1 : kUiLanguageCount};
};

}  // namespace detail

// The stored form of the markup that `make` builds for each language's table.
template <class Make>
constexpr const LocalizedSource& Localize(Make) {
  static_assert(kUiLanguageCount == 3, "one caption run per language");
  return detail::Localized<Make>::kSource;
}

}  // namespace zorvane::ribbon
