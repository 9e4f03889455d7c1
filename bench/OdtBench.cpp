// OdtBench.cpp: reading a generated 140-page ODT (styled paragraphs, headings, lists,
// tables, notes) and the corpus's longest ODT, in MB/s of the package's bytes.
//
// `vyx_odt_bench --write <file.odt>` writes the generated document instead, so the
// whole program can be timed on it: `time vyx convert <file.odt> out.txt`.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "editing/VYXLogEditor.h"
#include "formats/VYXZip5.h"
#include "import/VYXReadODT.h"
#include "platform/VYXStream.h"

namespace {
const char* const cNs =
    " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
    " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
    " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\"";

// About 140 pages of A4 text: 1,400 paragraphs of 40..90 words, a heading every
// 25, a list every 40, a table of 4 x 6 cells every 60, a footnote every 30; fixed seed.
std::string MakeContent()
{
    static const char* const words[] = {"the", "report", "paragraph", "caf\xC3\xA9", "total", "of", "and",
                                        "document", "na\xC3\xAFve", "page", "section", "review", "numbers"};
    std::mt19937 random(7);
    std::ostringstream x;
    x << "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content" << cNs
      << "><office:automatic-styles>"
         "<style:style style:name=\"P1\" style:family=\"paragraph\" style:parent-style-name=\"Text\">"
         "<style:paragraph-properties fo:margin-top=\"0.2cm\" fo:text-align=\"justify\"/></style:style>"
         "<style:style style:name=\"T1\" style:family=\"text\"><style:text-properties fo:font-weight=\"bold\"/>"
         "</style:style><style:style style:name=\"T2\" style:family=\"text\"><style:text-properties"
         " fo:font-style=\"italic\" fo:color=\"#333399\"/></style:style>"
         "<text:list-style style:name=\"L1\"><text:list-level-style-number text:level=\"1\" style:num-format=\"1\""
         " style:num-suffix=\".\"/><text:list-level-style-bullet text:level=\"2\" text:bullet-char=\"-\"/>"
         "</text:list-style></office:automatic-styles><office:body><office:text>\n";
    auto sentence = [&](int n) {
        std::string s;
        for (int i = 0; i < n; ++i) {
            if (i)
                s += ' ';
            s += words[random() % std::size(words)];
        }
        return s;
    };
    for (int p = 0; p < 1400; ++p) {
        if (p % 25 == 0)
            x << "<text:h text:outline-level=\"" << 1 + (p / 25) % 3 << "\">" << sentence(5) << "</text:h>\n";
        if (p % 40 == 5) {
            x << "<text:list text:style-name=\"L1\">";
            for (int i = 0; i < 4; ++i)
                x << "<text:list-item><text:p>" << sentence(12) << "</text:p>"
                  << (i == 1 ? "<text:list><text:list-item><text:p>" + sentence(8) + "</text:p></text:list-item></text:list>" : "")
                  << "</text:list-item>";
            x << "</text:list>\n";
        }
        if (p % 60 == 10) {
            x << "<table:table><table:table-column table:number-columns-repeated=\"4\"/>";
            for (int r = 0; r < 6; ++r) {
                x << "<table:table-row>";
                for (int c = 0; c < 4; ++c)
                    x << "<table:table-cell><text:p>" << sentence(3) << "</text:p></table:table-cell>";
                x << "</table:table-row>";
            }
            x << "</table:table>\n";
        }
        x << "<text:p text:style-name=\"P1\">" << sentence(20) << " <text:span text:style-name=\"T1\">"
          << sentence(3) << "</text:span> " << sentence(static_cast<int>(20 + random() % 40))
          << "<text:s/><text:span text:style-name=\"T2\">" << sentence(4) << "</text:span>";
        if (p % 30 == 3)
            x << "<text:note text:note-class=\"footnote\"><text:note-citation>1</text:note-citation><text:note-body>"
                 "<text:p>" << sentence(10) << "</text:p></text:note-body></text:note>";
        x << ".</text:p>\n";
    }
    x << "</office:text></office:body></office:document-content>";
    return x.str();
}

std::string MakePackage()
{
    TVYXMemoryStream out;
    TXLSZipArchive zip;
    zip.OpenWrite(out);
    TVYXMemoryStream mimetype(std::string("application/vnd.oasis.opendocument.text"));
    zip.AddStream("mimetype", mimetype);
    TVYXMemoryStream content(MakeContent());
    zip.AddStream("content.xml", content);
    zip.Close();
    return out.TakeBytes();
}

void ReadBytes(benchmark::State& state, const std::string& bytes)
{
    for (auto _ : state) {
        TVYXLogDocEditor doc;
        TVYXMemoryStream stream(bytes);
        TVYXReadODT reader(doc);
        reader.LoadFromStream(stream);
        benchmark::DoNotOptimize(doc.Paras().Count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}

void BM_ReadGenerated140Pages(benchmark::State& state)
{
    const std::string bytes = MakePackage();
    state.counters["package_KB"] = static_cast<double>(bytes.size()) / 1024;
    // The XML the reader tokenizes, per second.
    state.counters["content_MB/s"] = benchmark::Counter(static_cast<double>(MakeContent().size()) / 1e6,
                                                        benchmark::Counter::kIsIterationInvariantRate);
    ReadBytes(state, bytes);
}
BENCHMARK(BM_ReadGenerated140Pages)->Unit(benchmark::kMillisecond);

void BM_ReadCorpusElectra(benchmark::State& state)
{
    const std::filesystem::path path = std::filesystem::path(VYX_SHARED_DIR) / "corpus/odt/odfpy-Electra.odt";
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        state.SkipWithError("no shared corpus");
        return;
    }
    std::ostringstream s;
    s << in.rdbuf();
    ReadBytes(state, s.str());
}
BENCHMARK(BM_ReadCorpusElectra)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--write") == 0) {
        std::ofstream(argv[2], std::ios::binary) << MakePackage();
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
