// The converter's pictures: the PNG against the editor's own canvas, the SVG read back element by
// element, and the SVG and PDF rendered back by other programs against the PNG's pixels.
#include "canvas/shape_drawing.h"
#include "tests/editor_fixture.h"
#include "tests/export_support.h"
#include "tests/test_support.h"
#include "toolkit/canvas_widget.h"

#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QXmlStreamReader>

#include <climits>
#include <cstdlib>
#include <map>

namespace {

struct Drawing {
    const char* name;
    std::vector<ShapeRecord> figures;
};

std::vector<Drawing> sample_drawings(int w, int h)
{
    return {{"empty", {}},
            {"mixed", mixed_figures()},
            {"random 200", random_figures(200, 7, w, h)},
            {"past the edges and the int32 limits",
             {{SHAPE_RECT, -50, 600, -1, -20, 100, -1},
              {SHAPE_TRIANGLE, INT_MIN, INT_MAX, 200, 0, INT_MAX, 100},
              {SHAPE_ELLIPSE, -100, 100, -1, -100, 100, -1},
              {SHAPE_RECT, INT_MIN, INT_MAX, -1, INT_MIN, 50, -1},
              {7, 1, 2, 3, 4, 5, 6}}}};
}

std::string png_of(const TempDir& dir, const std::vector<ShapeRecord>& figures, const QStringList& options)
{
    write_drawing(dir.file("d.edt"), figures);
    const ExportRun run = run_export(options + QStringList{dir.file("d.edt").c_str(), dir.file("d.png").c_str()});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "");
    return dir.file("d.png");
}

void set_drawing(ObjectList* list, const std::vector<ShapeRecord>& figures) { *list = list_of(figures); }

}  // namespace

// Guards: the PNG drawn by anything but the canvas's code, or at another size than the canvas.
TEST_F(EditorTest, ExportedPngEqualsTheRedrawnCanvas)
{
    ASSERT_EQ(w.canvas->size(), QSize(510, 254));
    TempDir dir;
    for (const QSize grow : {QSize(0, 0), QSize(137, 61)}) {
        w.dialog->resize(w.dialog->size() + grow);
        settle();
        const QSize size = w.canvas->size();
        const QString size_arg = QString("%1x%2").arg(size.width()).arg(size.height());
        for (const Drawing& d : sample_drawings(size.width(), size.height())) {
            set_drawing(w.list, d.figures);
            const QStringList options = grow.isEmpty() ? QStringList{} : QStringList{"--size", size_arg};
            const QImage png = load_rgb32(png_of(dir, d.figures, options));
            EXPECT_EQ(png, redrawn_image()) << d.name << " at " << size_arg.toStdString();
        }
    }
}

namespace {

using Attributes = std::map<std::string, std::string>;
struct Element {
    std::string name;
    Attributes attributes;
};

// The elements inside the figures' group, in order.
std::vector<Element> svg_figures(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::vector<Element> out;
    int depth = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) --depth;
        if (token != QXmlStreamReader::StartElement) continue;
        if (++depth == 3) {
            Element e{xml.name().toString().toStdString(), {}};
            for (const auto& a : xml.attributes()) e.attributes[a.name().toString().toStdString()] = a.value().toString().toStdString();
            out.push_back(e);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return out;
}

}  // namespace

// Guards: coordinates off by the y flip or a pixel, figures merged or lost, unreadable markup.
TEST(ExportSvg, OneElementPerFigureAtThePixelsItCovers)
{
    struct Case {
        ShapeRecord figure;
        Element expected;  // name empty: no element
    };
    const Case cases[] = {
        {{SHAPE_RECT, 200, 10, -1, 120, 20, -1}, {"rect", {{"x", "10"}, {"y", "133"}, {"width", "190"}, {"height", "100"}}}},
        {{SHAPE_ELLIPSE, 100, 301, -1, 50, 200, -1}, {"ellipse", {{"cx", "200.5"}, {"cy", "128"}, {"rx", "100.5"}, {"ry", "75"}}}},
        {{SHAPE_ELLIPSE, -3, 0, -1, 5, 9, -1}, {"ellipse", {{"cx", "-0.5"}, {"cy", "246"}, {"rx", "1.5"}, {"ry", "2"}}}},
        {{SHAPE_TRIANGLE, 150, 480, 320, 20, 30, 240}, {"polygon", {{"points", "150,233 480,223 320,13"}}}},
        {{SHAPE_RECT, 30, 30, -1, 200, 240, -1}, {"polygon", {{"points", "30,13 30,53"}}}},
        {{SHAPE_RECT, 5, 5, -1, 5, 5, -1}, {"polygon", {{"points", "5,248 5,248"}}}},
        {{SHAPE_RECT, -100, 600, -1, INT_MIN, 100, -1}, {"rect", {{"x", "-100"}, {"y", "153"}, {"width", "700"}, {"height", "16484"}}}},
        {{SHAPE_TRIANGLE, 0, 0, INT_MAX, 0, 100, 0}, {"polygon", {{"points", "0,253 0,153 16893,153 16893,253"}}}},
        {{SHAPE_ELLIPSE, 10, 10, -1, 10, 100, -1}, {}},
        {{SHAPE_RECT, 600, 700, -1, 10, 20, -1}, {}},
        {{SHAPE_ELLIPSE, INT_MIN, INT_MAX, -1, INT_MIN, INT_MAX, -1}, {}},
        {{9, 1, 2, 3, 4, 5, 6}, {}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        write_drawing(dir.file("d.edt"), {c.figure});
        const ExportRun run = run_export({dir.file("d.edt").c_str(), dir.file("d.svg").c_str()});
        ASSERT_EQ(run.code, 0) << run.err;
        const std::vector<Element> got = svg_figures(dir.file("d.svg"));
        const std::string what = c.expected.name.empty() ? "nothing" : c.expected.name;
        ASSERT_EQ(got.size(), c.expected.name.empty() ? 0u : 1u) << what;
        if (got.empty()) continue;
        EXPECT_EQ(got[0].name, c.expected.name);
        for (const auto& [key, value] : c.expected.attributes) EXPECT_EQ(got[0].attributes.at(key), value) << what << " " << key;
    }
}

namespace {

bool dark(QRgb p, int below) { return qGray(p) < below; }

// Whether some pixel within one of (x, y) is dark.
bool dark_near(const QImage& img, int x, int y, int below)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int u = x + dx, v = y + dy;
            if (u >= 0 && v >= 0 && u < img.width() && v < img.height() && dark(img.pixel(u, v), below)) return true;
        }
    return false;
}

bool on_edge(const QImage& img, int x, int y) { return x == 0 || y == 0 || x == img.width() - 1 || y == img.height() - 1; }

// Every outline pixel of the PNG has ink within a pixel (a quarter covered at least: a stroke
// between two rows shares itself out), and no ink lies farther from one. The page's edge pixels
// may carry a little ink of an outline just beyond the page, whose raster pixels are cut off, so
// only the first check applies there.
void expect_same_ink(const QImage& raster, const QImage& rendered, const std::string& what)
{
    ASSERT_EQ(rendered.size(), raster.size()) << what;
    int missing = 0, stray = 0;
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x) {
            if (dark(raster.pixel(x, y), 128) && !dark_near(rendered, x, y, 192)) ++missing;
            if (!on_edge(raster, x, y) && dark(rendered.pixel(x, y), 224) && !dark_near(raster, x, y, 128)) ++stray;
        }
    EXPECT_EQ(missing, 0) << what;
    EXPECT_EQ(stray, 0) << what;
}

QImage rendered_back(const QString& program, const QStringList& args, const std::string& png)
{
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(120000)) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return load_rgb32(png);
}

}  // namespace

// Guards: a page in other units than pixels, no white page behind the figures (a viewer shows a
// checkerboard instead), figures filled, grey or coloured strokes. What a renderer shows is read.
TEST(ExportSvg, PageAndStyleAreReadable)
{
    TempDir dir;
    write_drawing(dir.file("d.edt"), {{SHAPE_RECT, 10, 200, -1, 10, 120, -1}});
    ASSERT_EQ(run_export({"--size", "640x480", dir.file("d.edt").c_str(), dir.file("d.svg").c_str()}).code, 0);
    rendered_back("rsvg-convert", {dir.file("d.svg").c_str(), "-o", dir.file("d.png").c_str()}, dir.file("d.png"));
    const QImage shown = QImage(QString::fromStdString(dir.file("d.png"))).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), QSize(640, 480));
    int see_through = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) see_through += qAlpha(shown.pixel(x, y)) != 255;
    EXPECT_EQ(see_through, 0);
    const int row = 479 - 60;  // the rectangle's middle row, counted from the top
    EXPECT_EQ(shown.pixel(100, row), qRgb(255, 255, 255)) << "inside the rectangle";
    EXPECT_EQ(shown.pixel(600, row), qRgb(255, 255, 255)) << "the page beside it";
    for (const int x : {10, 200}) EXPECT_EQ(shown.pixel(x, row), qRgb(0, 0, 0)) << "its side at " << x;
}

// Guards: vector outlines off the raster by more than a pixel, ellipses bulging on large pages,
// miter spikes at sharp corners, page sizes in other units.
TEST(ExportVector, SvgAndPdfInkFollowsThePngPixels)
{
    struct Case {
        const char* name;
        std::vector<ShapeRecord> figures;
        QStringList options;
    };
    const Case cases[] = {
        {"mixed", mixed_figures(), {}},
        {"random 200", random_figures(200, 11, 510, 254), {}},
        {"fitted", random_figures(30, 5, 900, 500), {"--fit"}},
        {"large ellipses", {{SHAPE_ELLIPSE, 20, 2980, -1, 10, 1990, -1}, {SHAPE_ELLIPSE, 5, 2995, -1, 990, 1011, -1},
                            {SHAPE_TRIANGLE, 10, 2990, 1500, 100, 120, 1900}}, {"--size", "3000x2000"}},
        {"far figures", {{SHAPE_TRIANGLE, INT_MIN, INT_MAX, 200, 0, INT_MAX, 100}, {SHAPE_RECT, INT_MIN, 300, -1, 40, INT_MAX, -1}}, {}},
    };
    TempDir dir;
    const QString edt = dir.file("d.edt").c_str(), out = dir.file("out").c_str();
    for (const Case& c : cases) {
        write_drawing(dir.file("d.edt"), c.figures);
        for (const char* ext : {".png", ".svg", ".pdf"}) ASSERT_EQ(run_export(c.options + QStringList{edt, out + ext}).code, 0) << c.name << ext;
        const QImage raster = load_rgb32(dir.file("out.png"));
        expect_same_ink(raster, rendered_back("rsvg-convert", {out + ".svg", "-o", out + "-svg.png"}, dir.file("out-svg.png")),
                        std::string(c.name) + " svg");
        expect_same_ink(raster, rendered_back("pdftoppm", {"-r", "72", "-png", "-singlefile", out + ".pdf", out + "-pdf"},
                                              dir.file("out-pdf.png")), std::string(c.name) + " pdf");
    }
}
