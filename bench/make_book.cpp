// Writes a made-up novel in GBK with CRLF line ends: chapters of indented paragraphs built
// from a small vocabulary. The same size and seed always give the same bytes.
//
//   quorvella-make-book BYTES OUTPUT [SEED]

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "values/code_page.h"

namespace {

const char* const kPeople[] = {"林秋", "沈墨", "苏晚", "老周", "阿青", "陈先生", "小满", "顾言"};
const char* const kPlaces[] = {"江边",   "小镇",   "书院", "渡口",
                               "山路上", "旧宅里", "茶馆", "城门外"};
const char* const kTimes[] = {"清晨", "黄昏", "那天夜里", "第二天", "雨停以后", "冬至前后"};
const char* const kActions[] = {
    "慢慢地走着", "想起了从前的事", "打开了那封信",     "望着远处的灯火", "没有说话", "笑了一下",
    "把书合上",   "听见了钟声",     "在纸上写下几个字", "端起茶杯",       "推开木门", "站了很久"};
const char* const kThoughts[] = {"一切都还来得及",     "风里有桂花的味道", "路还很长",
                                 "有些话终究要说出口", "河水比去年更清了", "灯下的影子摇了摇",
                                 "远方的人也许在等",   "日子就这样过去了"};

template <size_t N>
std::vector<std::string> Gbk(const char* const (&words)[N]) {
  std::vector<std::string> converted;
  for (const char* word : words) converted.push_back(quorvella::FromUtf8(word)->str());
  return converted;
}

class BookWriter {
 public:
  explicit BookWriter(uint32_t seed) : random_(seed) {}

  std::string Paragraph() {
    std::string text = indent_;
    const int sentences = Between(1, 6);
    for (int i = 0; i < sentences; ++i) {
      text += Pick(times_) + comma_ + Pick(people_) + in_ + Pick(places_) + Pick(actions_);
      text += Between(0, 2) == 0 ? comma_ + Pick(thoughts_) : std::string();
      text += Between(0, 5) == 0 ? "\xa3\xa1" : full_stop_;  // ！ or 。
    }
    return text + "\r\n";
  }

  std::string ChapterTitle(int number) {
    return chapter_ + std::to_string(number) + chapter_end_ + Pick(places_) + "\r\n";
  }

 private:
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  const std::string& Pick(const std::vector<std::string>& words) {
    return words[static_cast<size_t>(Between(0, static_cast<int>(words.size()) - 1))];
  }

  std::mt19937 random_;
  std::vector<std::string> people_ = Gbk(kPeople), places_ = Gbk(kPlaces), times_ = Gbk(kTimes),
                           actions_ = Gbk(kActions), thoughts_ = Gbk(kThoughts);
  std::string indent_ = quorvella::FromUtf8("　　")->str();
  std::string comma_ = quorvella::FromUtf8("，")->str();
  std::string in_ = quorvella::FromUtf8("在")->str();
  std::string full_stop_ = quorvella::FromUtf8("。")->str();
  std::string chapter_ = quorvella::FromUtf8("第")->str();
  std::string chapter_end_ = quorvella::FromUtf8("章　")->str();
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: %s BYTES OUTPUT [SEED]\n", argv[0]);
    return 2;
  }
  const long long size = std::atoll(argv[1]);
  std::FILE* out = std::fopen(argv[2], "wb");
  if (size < 0 || !out) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
    return 1;
  }
  BookWriter writer(argc == 4 ? static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10)) : 1);
  std::string block;
  long long written = 0;
  for (int chapter = 1, paragraph = 0; written < size; ++paragraph) {
    std::string line = paragraph % 40 == 0 ? writer.ChapterTitle(chapter++) : writer.Paragraph();
    if (written + static_cast<long long>(line.size()) > size) break;  // whole lines only
    block += line;
    written += static_cast<long long>(line.size());
    if (block.size() >= (1 << 20)) {
      std::fwrite(block.data(), 1, block.size(), out);
      block.clear();
    }
  }
  std::fwrite(block.data(), 1, block.size(), out);
  if (std::fclose(out) != 0) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
    return 1;
  }
  return 0;
}
