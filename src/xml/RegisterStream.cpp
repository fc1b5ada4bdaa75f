#include "xml/RegisterStream.h"

#include <QFile>
#include <cstring>
#include <string_view>

#include "platform/codec/Gbk.h"
#include "platform/files/AtomicFile.h"
#include "platform/files/AtomicFileWriter.h"
#include "xml/MarkupScanner.h"
#include "xml/XmlFiles.h"
#include "xml/XmlFormat.h"

namespace xml {
namespace {

enum class Outcome { Done, Broken, Unusual };

// Blanks, comments and processing instructions before or after the root.
bool SkipMisc(Scanner& s) {
  for (;;) {
    s.SkipBlanks();
    if (s.AtEnd() || !(s.StartsWith("<!--") || s.StartsWith("<?"))) return true;
    if (!s.SkipSpecial()) return false;
  }
}

// Parses UTF-8 markup in place. A NUL, which no XML text may hold, is refused
// first: the parser would take it for the end of the text.
bool ParseMarkup(QByteArray& utf8, Document& doc) {
  return !utf8.contains('\0') && ParseUtf8InPlace(utf8.data(), size_t(utf8.size()), doc);
}

// The text of a register file, read a block at a time. Bytes before the
// scanner's position are dropped when the next block comes in, so a large file
// is never held whole.
class TextWindow {
 public:
  // All of the text at once.
  explicit TextWindow(const QByteArray& bytes) : text_(bytes) {}
  // The text of an open file, read as it is needed.
  explicit TextWindow(QIODevice& device) : device_(&device) { Advance(0); }

  std::string_view View() const { return {text_.constData(), size_t(text_.size())}; }
  bool Failed() const { return failed_; }

  // Drops the bytes before keepFrom and reads the next block; false when the
  // file has no more (or cannot be read: then Failed()).
  bool Advance(size_t keepFrom) {
    if (!device_ || device_->atEnd()) return false;
    text_.remove(0, qsizetype(keepFrom));
    // Blocks grow with the text kept, so that one huge element is not scanned
    // again and again.
    const qsizetype block = std::max<qsizetype>(kBlockBytes, text_.size());
    const qsizetype start = text_.size();
    text_.resize(start + block);
    const qint64 got = device_->read(text_.data() + start, block);
    text_.resize(start + std::max<qint64>(got, 0));
    if (got < 0) failed_ = true;
    return got > 0;
  }

 private:
  static constexpr qsizetype kBlockBytes = 4 * 1024 * 1024;
  QByteArray text_;
  QIODevice* device_ = nullptr;
  bool failed_ = false;
};

// Children of the document element, parsed a batch at a time: one parse per
// item would spend more time allocating and freeing than parsing. Every byte
// from the end of the root's start tag to its end tag is decoded and parsed in
// a batch (from where the last one ended to the end of a child, or to where
// the text is passed over; blanks, text, comments and processing instructions
// between included), so all of it is proved GBK and well-formed once.
class ChildBatches {
 public:
  ChildBatches(size_t start, const std::function<void(Node)>& onChild)
      : onChild_(onChild), done_(start), end_(start) {}

  // Adds the child that ends at end.
  bool Add(std::string_view text, size_t end) {
    end_ = end;
    return end_ - done_ < kBatchBytes || Flush(text);
  }

  // Parses the children added since the last batch inside a wrapper element.
  bool Flush(std::string_view text) {
    if (end_ == done_) return true;
    utf8_.resize(0);
    utf8_.append("<r>");
    const bool decoded = codec::AppendGbkAsUtf8Strict(
        utf8_, QByteArrayView(text.data() + done_, qsizetype(end_ - done_)));
    utf8_.append("</r>");
    done_ = end_;
    if (!decoded || !ParseMarkup(utf8_, doc_)) return false;
    for (Node child = doc_.first_child().first_child(); child; child = child.next_sibling())
      if (child.type() == pugi::node_element) onChild_(child);
    return true;
  }

  // Parses what is left up to pos, which ends no child; positions then count
  // from pos.
  bool PassOver(std::string_view text, size_t pos) {
    end_ = pos;
    const bool parsed = Flush(text);
    done_ = end_ = 0;
    return parsed;
  }

 private:
  static constexpr size_t kBatchBytes = 256 * 1024;
  const std::function<void(Node)>& onChild_;
  QByteArray utf8_;
  Document doc_;
  size_t done_;
  size_t end_;
};

enum class Step { Child, RootEnd, Skipped, Broken };

// One step through the document element's content from the scanner's position;
// tagAt tells where the markup it stepped over begins.
Step NextInRoot(Scanner& s, std::string_view rootName, size_t& tagAt) {
  if (!s.ToNextTag()) return Step::Broken;
  tagAt = s.Pos();
  if (s.StartsWith("</")) {
    std::string_view end;
    return s.EndTag(end) && end == rootName ? Step::RootEnd : Step::Broken;
  }
  if (s.StartsWith("<!--") || s.StartsWith("<?") || s.StartsWith("<![CDATA["))
    return s.SkipSpecial() ? Step::Skipped : Step::Broken;
  return s.SkipElement() ? Step::Child : Step::Broken;
}

// Parses GBK markup that holds no element of its own after an empty element,
// and gives that element's name; false when it is not GBK or not well-formed.
bool ParseAround(std::string_view before, std::string_view after, std::string& rootName) {
  std::optional<QByteArray> utf8 =
      codec::GbkToUtf8Strict(QByteArrayView(before.data(), qsizetype(before.size())));
  const std::optional<QByteArray> rest =
      codec::GbkToUtf8Strict(QByteArrayView(after.data(), qsizetype(after.size())));
  if (!utf8 || !rest) return false;
  utf8->append(*rest);
  Document doc;
  if (!ParseMarkup(*utf8, doc)) return false;
  rootName = doc.document_element().name();
  return !rootName.empty();
}

Outcome StreamGbk(TextWindow& window, const std::function<void(const char*)>& onRoot,
                  const std::function<void(Node)>& onChild) {
  // The prolog and the root's start tag, with more of the file until they are whole.
  std::string rootName;
  bool empty = false;
  size_t pos = 0;
  for (;;) {
    Scanner s(window.View());
    std::string_view name;
    if (SkipMisc(s) && !s.StartsWith("<!") && s.StartTag(name, empty)) {
      rootName = name;
      pos = s.Pos();
      break;
    }
    if (!window.Advance(0)) {
      if (window.Failed()) return Outcome::Broken;
      Scanner again(window.View());
      return SkipMisc(again) ? Outcome::Unusual : Outcome::Broken;
    }
  }
  // The prolog and the start tag, closed as an empty element, are parsed as
  // the whole document would be, so that the root's name and attributes and
  // the comments before it are held to the same rules.
  std::string root;
  const std::string_view head = window.View().substr(0, pos);
  if (!ParseAround(empty ? head : head.substr(0, pos - 1), empty ? "" : "/>", root))
    return Outcome::Broken;
  onRoot(root.c_str());

  ChildBatches batches(pos, onChild);
  while (!empty) {
    Scanner s(window.View(), pos);
    size_t tagAt = 0;
    const Step step = NextInRoot(s, rootName, tagAt);
    if (step == Step::RootEnd) {
      if (!batches.PassOver(window.View(), tagAt)) return Outcome::Broken;
      pos = s.Pos();
      break;
    }
    if (step == Step::Child && !batches.Add(window.View(), s.Pos())) return Outcome::Broken;
    if (step != Step::Broken) {
      pos = s.Pos();
      continue;
    }
    // Broken, or cut off by the end of the block: drop what is done and read on.
    if (!batches.PassOver(window.View(), pos) || !window.Advance(pos)) return Outcome::Broken;
    pos = 0;
  }
  // After the root: blanks, comments and processing instructions to the end,
  // parsed as they would follow the root.
  for (;;) {
    Scanner s(window.View(), pos);
    if (SkipMisc(s) && s.AtEnd()) {
      std::string ignored;
      if (!ParseAround("<r/>", window.View().substr(pos), ignored)) return Outcome::Broken;
      if (!window.Advance(window.View().size()))
        return window.Failed() ? Outcome::Broken : Outcome::Done;
      pos = 0;
      continue;
    }
    // Broken, something else after the root, or cut off: only more text can mend it.
    if (!window.Advance(pos)) return Outcome::Broken;
    pos = 0;
  }
}

// Rare shapes (a document type declaration, say) take the whole-document road.
bool StreamParsedDocument(const QByteArray& bytes, const std::function<void(const char*)>& onRoot,
                          const std::function<void(Node)>& onChild) {
  Document doc;
  if (!ParseRegisterBytes(bytes, doc)) return false;
  const Node root = doc.document_element();
  if (!root) return false;
  onRoot(root.name());
  for (Node child = root.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element) onChild(child);
  return true;
}

}  // namespace

bool StreamRegisterBytes(const QByteArray& bytes, const std::function<void(const char*)>& onRoot,
                         const std::function<void(Node)>& onChild) {
  TextWindow window(bytes);
  const Outcome outcome = StreamGbk(window, onRoot, onChild);
  if (outcome != Outcome::Unusual) return outcome == Outcome::Done;
  return StreamParsedDocument(bytes, onRoot, onChild);
}

bool StreamRegisterFile(const QString& path, const std::function<void(const char*)>& onRoot,
                        const std::function<void(Node)>& onChild) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  TextWindow window(file);
  const Outcome outcome = StreamGbk(window, onRoot, onChild);
  if (outcome != Outcome::Unusual) return outcome == Outcome::Done;
  const std::optional<QByteArray> bytes = ReadWholeFile(path);
  return bytes && StreamParsedDocument(*bytes, onRoot, onChild);
}

namespace {

// Hands the register file of count items to out in pieces of about 64 KB.
void WriteRegisterItems(const char* rootName, qsizetype count,
                        const std::function<void(qsizetype, Node)>& saveItem,
                        const std::function<void(const QByteArray&)>& out) {
  QByteArray piece = RegisterDeclarationLine();
  if (count == 0) {
    piece.append('<').append(rootName).append("/>\r\n");
    out(piece);
    return;
  }
  piece.append('<').append(rootName).append('>');
  Document scratch;
  Node root = scratch.append_child(rootName);
  StringWriter markup;
  for (qsizetype i = 0; i < count; ++i) {
    saveItem(i, root);
    for (Node child = root.first_child(); child; child = child.next_sibling())
      child.print(markup, "", pugi::format_raw, pugi::encoding_utf8);
    while (root.first_child()) root.remove_child(root.first_child());
    if (markup.Text.size() > 64 * 1024) {
      AppendMarkupAsGbk(piece, markup.Text);
      markup.Text.clear();
      out(piece);
      piece.resize(0);
    }
  }
  AppendMarkupAsGbk(piece, markup.Text);
  piece.append("</").append(rootName).append(">\r\n");
  out(piece);
}

}  // namespace

QByteArray RegisterFileBytes(const char* rootName, qsizetype count,
                             const std::function<void(qsizetype, Node)>& saveItem) {
  QByteArray bytes;
  WriteRegisterItems(rootName, count, saveItem,
                     [&bytes](const QByteArray& piece) { bytes += piece; });
  return bytes;
}

void SaveRegisterFile(const QString& path, const char* rootName, qsizetype count,
                      const std::function<void(qsizetype, Node)>& saveItem) {
  TAtomicFileWriter file(path);
  WriteRegisterItems(rootName, count, saveItem,
                     [&file](const QByteArray& piece) { file.Write(piece); });
  file.Commit();
}

}  // namespace xml
