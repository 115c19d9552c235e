#include "report/CsvWriter.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <deque>
#include <future>
#include <string>
#include <utility>

#include "base/Utf8.h"
#include "platform/Errors.h"
#include "platform/FileAccess.h"
#include "platform/Locale.h"
#include "platform/Worker.h"

namespace vorlex::report {

namespace {

/// Rows between two calls of the keep-alive callback.
constexpr std::size_t kRowsPerKeepAlive = 2048;
/// Rows made into lines in one go by one thread and written in one piece: large enough for few system calls,
/// small enough to matter little beside the rows themselves (under a megabyte for paths of common length).
constexpr std::size_t kBlockRows = 2048;

/// The end of the bytes from `p` on that stay as they are: any ASCII outside a quoted field, printable
/// ASCII other than '"' inside one. Eight bytes are looked at together while none of them needs care.
std::size_t PlainRunEnd(std::string_view text, std::size_t p, bool quotedField) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighs = 0x8080808080808080u;
    const std::size_t n = text.size();
    for (; p + 8 <= n; p += 8) {
        std::uint64_t w;
        std::memcpy(&w, text.data() + p, sizeof w);
        std::uint64_t special = w & kHighs;  // bytes from 0x80 on
        if (quotedField) {
            const std::uint64_t quote = w ^ (kOnes * '"');
            const std::uint64_t del = w ^ (kOnes * 0x7F);
            // A byte below 0x20 (exact for ASCII bytes; the others are caught above), a zero byte of
            // w ^ '"' (a quote) and of w ^ 0x7F (DEL).
            special |= (w - kOnes * 0x20) & ~w & kHighs;
            special |= (quote - kOnes) & ~quote & kHighs;
            special |= (del - kOnes) & ~del & kHighs;
        }
        if (special != 0) {
            break;
        }
    }
    for (; p < n; ++p) {
        const auto b = static_cast<unsigned char>(text[p]);
        if (quotedField ? (b < 0x20 || b >= 0x7F || b == '"') : b >= 0x80) {
            break;
        }
    }
    return p;
}

/// Appends `text` in code page `page`; in a quoted field also doubles '"' and writes control characters as
/// '?'. The bytes a double-byte code page adds after a lead byte are never below 0x40, so they can be neither
/// a quote, a comma nor a line break.
void AppendEncoded(std::string& out, std::string_view text, bool quotedField,
                   const platform::CodePage& page) {
    const std::size_t n = text.size();
    std::size_t p = 0;
    while (p < n) {
        // Bytes that stay as they are go over in one piece.
        const std::size_t run = PlainRunEnd(text, p, quotedField);
        if (run > p) {
            out.append(text.data() + p, run - p);
            p = run;
            if (p == n) {
                break;
            }
        }
        const auto b = static_cast<unsigned char>(text[p]);
        if (b < 0x80) {
            // Only in a quoted field: a quote or a control character.
            if (b == '"') {
                out += "\"\"";
            } else {
                out += '?';
            }
            ++p;
            continue;
        }
        char32_t c = 0;
        p += base::DecodeUtf8(text, p, c);
        // C1 controls and undecodable bytes (0xDC80..) have no bytes of their own either.
        if (!page.Append(out, c)) {
            out += '?';
        }
    }
}

void AppendHeader(std::string& out) {
    for (int c = 0; c < static_cast<int>(scan::Column::Count); ++c) {
        if (c > 0) {
            out += ',';
        }
        out += scan::ColumnCaption(static_cast<scan::Column>(c));
    }
    out += "\r\n";
}

/// Makes the CSV lines of rows, one after the other, with the date-time texts cached across rows.
class CsvLines {
  public:
    explicit CsvLines(const scan::RowFormatter& formatter)
        : formatter_(formatter),
          page_(platform::CodePage::Get(formatter.Formats().ansiCodePage)),
          dates_(formatter.Formats()) {}

    /// Appends the line of `row`, CR LF included.
    void AppendRow(std::string& out, const scan::ResultRow& row) {
        out += '"';
        AppendEncoded(out, row.path, true, page_);
        out += "\",";
        AppendDateTime(out, row.created, created_);
        out += ',';
        AppendDateTime(out, row.modified, modified_);
        out += ',';
        AppendDateTime(out, row.accessed, accessed_);
        out += ',';
        char number[24];
        auto age = std::to_chars(number, number + sizeof number,
                                 scan::AgeDays(row.created, formatter_.ScanStartTime()));
        out.append(number, age.ptr);
        out += ',';
        const std::size_t sizeStart = out.size();
        AppendEncoded(out, scan::FormatSizeKB(row.size, formatter_.Formats().thousands), false, page_);
        out.erase(std::remove(out.begin() + static_cast<std::ptrdiff_t>(sizeStart), out.end(), ','),
                  out.end());
        out += ',';
        out += scan::StatusText(row.status);
        out += "\r\n";
    }

  private:
    /// The text of the last second written in one column.
    struct LastText {
        std::string text;
        std::int64_t sec = 0;
        bool valid = false;
    };

    void AppendDateTime(std::string& out, platform::TimeValue t, LastText& last) {
        // Neighbouring rows often share a column's second (files made or copied together): each column
        // keeps its last text.
        if (!last.valid || t.sec != last.sec) {
            scratch_.clear();
            formatter_.AppendDateTimeText(scratch_, t, dates_);
            last.text.clear();
            AppendEncoded(last.text, scratch_, false, page_);
            last.sec = t.sec;
            last.valid = true;
        }
        out += last.text;
    }

    const scan::RowFormatter& formatter_;
    const platform::CodePage& page_;
    platform::DateTimeFormatter dates_;
    std::string scratch_;
    LastText created_;
    LastText modified_;
    LastText accessed_;
};

}  // namespace

void AppendInCodePage(std::string& out, std::string_view text, const platform::CodePage& page) {
    AppendEncoded(out, text, false, page);
}

std::string ToWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendEncoded(out, text, false, platform::CodePage::Get(1252));
    return out;
}

std::string BuildCsvText(const std::vector<scan::ResultRow>& rows, const scan::RowFormatter& formatter) {
    std::string out;
    out.reserve(64 + rows.size() * 128);
    AppendHeader(out);
    CsvLines lines(formatter);
    for (const scan::ResultRow& row : rows) {
        lines.AppendRow(out, row);
    }
    return out;
}

namespace {

/// Writes filled chunks to the file on a worker, so that the making of the next chunk and the file system's
/// work on the last one overlap. After a failed write nothing more is written; the first error is kept.
class ChunkWriter {
  public:
    explicit ChunkWriter(platform::ReplacingFile& file) : file_(file) {}
    ~ChunkWriter() { Close(); }
    ChunkWriter(const ChunkWriter&) = delete;
    ChunkWriter& operator=(const ChunkWriter&) = delete;

    /// Queues `chunk` and leaves an empty buffer in its place. Returns the first write error so far.
    int Put(std::string& chunk) {
        if (error_ != 0) {
            return error_;
        }
        if (!worker_.Started()) {
            error_ = file_.Write(chunk);
            chunk.clear();
            return error_;
        }
        std::string spare;
        if (queued_.size() == kQueued) {
            spare = Collect();
        }
        queued_.push_back(worker_.Submit([this, text = std::move(chunk)](const std::atomic<bool>&) mutable {
            const int err = writeFailed_ ? 0 : file_.Write(text);  // on the worker only, in order
            writeFailed_ = writeFailed_ || err != 0;
            return Written{err, std::move(text)};
        }));
        chunk = std::move(spare);
        chunk.clear();
        return error_;
    }

    /// Waits until every queued chunk is written and returns the first write error (0: none).
    int Close() {
        while (!queued_.empty()) {
            Collect();
        }
        return error_;
    }

  private:
    /// Chunks waiting: enough to ride over an uneven write, few enough to hold little memory.
    static constexpr std::size_t kQueued = 2;

    /// A chunk's write: its error, and the buffer, for the next chunk.
    struct Written {
        int error = 0;
        std::string buffer;
    };

    /// Waits for the oldest write and gives back its buffer.
    std::string Collect() {
        Written w = queued_.front().get();
        queued_.pop_front();
        if (error_ == 0) {
            error_ = w.error;
        }
        return std::move(w.buffer);
    }

    platform::ReplacingFile& file_;
    std::deque<std::future<Written>> queued_;
    int error_ = 0;
    bool writeFailed_ = false;  ///< read and written by the worker's tasks only
    platform::Worker worker_;   ///< last: goes first, waiting for the write under way
};

}  // namespace

int WriteCsvFile(const std::string& path, const std::vector<scan::ResultRow>& rows,
                 const scan::RowFormatter& formatter, const std::function<void()>& keepAlive) {
    platform::ReplacingFile file;
    if (int err = file.Open(path); err != 0) {
        return err;
    }
    int written = 0;
    {
        ChunkWriter writer(file);
        CsvLines lines(formatter);
        std::string chunk;
        AppendHeader(chunk);
        std::size_t rowsSinceKeepAlive = 0;
        for (std::size_t at = 0; at < rows.size(); at += kBlockRows) {
            const std::size_t end = std::min(rows.size(), at + kBlockRows);
            for (std::size_t i = at; i < end; ++i) {
                lines.AppendRow(chunk, rows[i]);
            }
            if (int err = writer.Put(chunk); err != 0) {
                return err;
            }
            rowsSinceKeepAlive += end - at;
            if (rowsSinceKeepAlive >= kRowsPerKeepAlive) {
                rowsSinceKeepAlive = 0;
                if (keepAlive) {
                    keepAlive();
                }
            }
        }
        if (int err = writer.Put(chunk); err != 0) {
            return err;
        }
        written = writer.Close();
    }
    if (written != 0) {
        return written;
    }
    // The flush to disk can take a while for a large file: give the caller its turn first.
    if (keepAlive) {
        keepAlive();
    }
    return file.Commit();
}

CsvWriteError::CsvWriteError(const std::string& path, int code)
    : std::runtime_error("The file " + scan::DisplayText(path) +
                         " cannot be written.\nREASON: " + platform::ErrorText(code)),
      code_(code) {}

void WriteToCSVFile(const std::string& path, const std::vector<scan::ResultRow>& rows,
                    const scan::RowFormatter& formatter, base::LogSink& log,
                    const std::function<void()>& keepAlive) {
    ReportCsvWrite(path, WriteCsvFile(path, rows, formatter, keepAlive), log);
}

void ReportCsvWrite(const std::string& path, int code, base::LogSink& log) {
    if (code != 0) {
        throw CsvWriteError(path, code);
    }
    log.WriteLog("Results written to CSV file " + scan::DisplayText(path), base::kBlue,
                 base::LogStyle::Regular);
}

}  // namespace vorlex::report
