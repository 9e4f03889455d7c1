// VYXGraphicTypesTest.cpp: picture decoding from real files, the shared store and graphic objects.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>

#include "model/VYXCharRun.h"
#include "model/VYXDocData.h"
#include "model/VYXGraphicTypes.h"
#include "model/VYXNumbering.h"
#include "model/VYXGraphics.h"
#include "model/VYXLogDocument.h"
#include "model/VYXPictureDecode.h"
#include "platform/VYXException.h"
#include "platform/VYXStream.h"
#include "model/VYXPresetShapes.h"

namespace {

std::string Data(const std::string& name)
{
    return VYXReadFile(std::string(VYX_TEST_DATA_DIR) + "/" + name);
}

TEST(PictureTypes, MagicNumbers)
{
    const struct {
        std::string Bytes;
        TVYXPictureType Type;
    } cases[] = {
        {"BM\x10\x00", aptBMP},
        {"\xFF\xD8\xFF\xE0", aptJPG},
        {std::string("\x01\x00\x00\x00\x6C\x00\x00\x00", 8), aptWMF},
        {std::string("\x01\x00\x00\x00", 4), aptWMF},
        {std::string("\x01\x00\x00", 3), aptUnknown},
        {"GIF87a...", aptGIF},
        {"GIF89a...", aptGIF},
        {"\x89PNG\r\n\x1A\n....", aptPNG},
        {"\xD7\xCD\xC6\x9A", aptWMF},
        {std::string("II*\x00", 4), aptTIF},
        {"Hello, world", aptUnknown},
        {"GIF88a", aptUnknown},
        {"\x89PNG\r\n", aptUnknown},  // a signature cut short
        {"", aptUnknown},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Bytes);
        EXPECT_EQ(VYXPictureTypeFromBytes(c.Bytes), c.Type);
        TVYXMemoryStream stream(c.Bytes);
        auto picture = TVYXPictures::CreateFromMagicNumber(stream);
        EXPECT_EQ(picture != nullptr, c.Type != aptUnknown);
        EXPECT_EQ(stream.Position(), 0);
        if (picture) {
            EXPECT_EQ(picture->OrigType, c.Type);
        }
    }
}

TEST(PictureDecode, RealFilesOfEveryType)
{
    const struct {
        const char* File;
        TVYXPictureType Type;
        double WidthPt, HeightPt;
        bool Bitmap;
    } cases[] = {
        {"poi-drawing-image7.png", aptPNG, 215 * 0.75, 17 * 0.75, true},
        {"poi-chernigovka-image1.jpeg", aptJPG, 128 * 72 / 75.0, 128 * 72 / 75.0, true},  // 75 dpi declared
        {"poi-drawing-image8.gif", aptGIF, 234 * 0.75, 60 * 0.75, true},
        {"rgb-3x2.bmp", aptBMP, 3 * 72 / (3780 * 0.0254), 2 * 72 / (3780 * 0.0254), true},
        {"pal-4x2-topdown.bmp", aptBMP, 4 * 0.75, 2 * 0.75, true},
        {"poi-drawing-image1.wmf", aptWMF, 90 / 95.0 * 72, 50 / 95.0 * 72, false},
        {"docxcompose-visio-image1.emf", aptEMF, 21.17 / 25.4 * 72, 5.03 / 25.4 * 72, false},
        {"rgb-4x2-100dpi.tif", aptTIF, 4 * 0.72, 2 * 0.72, true},
        {"gray-3x1-be.tif", aptTIF, 3 * 0.75, 0.75, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        TVYXPictures store;
        TVYXMemoryStream stream(Data(c.File));
        TVYXPicture& p = store.AddPicture(stream);
        EXPECT_EQ(p.OrigType, c.Type);
        EXPECT_NEAR(p.GetWidth(), c.WidthPt, 0.01);
        EXPECT_NEAR(p.GetHeight(), c.HeightPt, 0.01);
        EXPECT_EQ(p.OrigData().size(), Data(c.File).size());
        EXPECT_EQ(p.Unsupported, !c.Bitmap);
        const auto* bmp = dynamic_cast<const TVYXPictureBMP*>(&p);
        EXPECT_EQ(bmp && bmp->Bitmap(), c.Bitmap);
        EXPECT_EQ(p.IdName, "Picture1");
    }
}

TEST(PictureDecode, PixelValues)
{
    // Through the model's door to the platform decoder: the bitmap takes the
    // decoded pixels and the resolution.
    auto tif = VYXDecodePicture(Data("rgb-4x2-100dpi.tif"), aptTIF);
    ASSERT_EQ(tif->Width(), 4);
    EXPECT_EQ(tif->Pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(tif->Pixel(2, 0), 0xFF0000FFu);
    EXPECT_EQ(tif->Pixel(1, 1), 0xFF808080u);
    EXPECT_EQ(tif->Pixel(3, 1), 0xFF00FFFFu);
    EXPECT_DOUBLE_EQ(tif->DpiX, 100);
    // The budget is the caller's, and the model's own cap bounds it.
    EXPECT_THROW(VYXDecodePicture(Data("rgb-4x2-100dpi.tif"), aptTIF, 7), VYXException);
    EXPECT_EQ(VYXDecodePicture(Data("rgb-4x2-100dpi.tif"), aptTIF, 8)->Height(), 2);
    // The GIF's transparent background stays transparent; the PNG is opaque somewhere.
    auto gif = VYXDecodePicture(Data("poi-drawing-image8.gif"), aptGIF);
    bool anyOpaque = false;
    for (int y = 0; y < gif->Height(); ++y)
        for (int x = 0; x < gif->Width(); ++x)
            anyOpaque = anyOpaque || gif->Pixel(x, y) >> 24 == 0xFF;
    EXPECT_TRUE(anyOpaque);
}

TEST(PictureDecode, BadBytesRaiseAndLeaveThePictureAlone)
{
    const std::string png = Data("poi-drawing-image7.png");
    const std::string jpg = Data("poi-chernigovka-image1.jpeg");
    const std::string gif = Data("poi-drawing-image8.gif");
    const std::string bmp = Data("rgb-3x2.bmp");
    const std::string tif = Data("rgb-4x2-100dpi.tif");
    std::string hugeTif = tif;
    hugeTif.replace(0x40, 2, "\xFF\xFF");  // width and height 65535 (the first two directory entries)
    hugeTif.replace(0x4C, 2, "\xFF\xFF");
    // 1024 x 1024 declared over 24 bytes of pixels: refused before any raster is made.
    std::string bigTif = tif;
    bigTif.replace(0x40, 2, std::string("\x00\x04", 2));
    bigTif.replace(0x4C, 2, std::string("\x00\x04", 2));
    std::string badIfd = tif;
    badIfd.replace(4, 4, "\xF0\xFF\x00\x00");  // the directory lies beyond the end
    std::string hugeBmp = bmp;
    hugeBmp[18] = '\xFF';
    hugeBmp[19] = '\xFF';
    hugeBmp[20] = '\xFF';
    hugeBmp[21] = '\x7F';  // width 2^31-1
    std::string corruptJpg = jpg;
    for (std::size_t i = 200; i < corruptJpg.size() - 2; ++i)
        corruptJpg[i] = '\xFF';
    const std::string cases[] = {
        png.substr(0, 40), png.substr(0, 8), jpg.substr(0, 2), corruptJpg, gif.substr(0, 13), gif.substr(0, 400),
        bmp.substr(0, 30), bmp.substr(0, 60), hugeBmp, std::string("BM") + std::string(100, '\xFF'),
        "GIF89a", std::string("\x89PNG\r\n\x1A\n") + std::string(30, '\0'), "not a picture",
        tif.substr(0, 30), hugeTif, bigTif, badIfd, Data("declared-200x100-100dpi.tif"),  // the last one has no strips
    };
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(bytes.size());
        TVYXPictureBMP picture;
        TVYXMemoryStream good(png);
        picture.LoadFromStream(good);
        TVYXMemoryStream bad(bytes);
        EXPECT_THROW(picture.LoadFromStream(bad), VYXException);
        EXPECT_EQ(picture.OrigType, aptPNG);
        EXPECT_EQ(picture.OrigData(), png);
        ASSERT_NE(picture.Bitmap(), nullptr);
        EXPECT_EQ(picture.Bitmap()->Width(), 215);
    }
    // Every truncation of each file fails cleanly or decodes (libjpeg pads short data)
    // into a usable bitmap of the whole picture's size.
    for (const std::string* file : {&png, &gif, &bmp, &jpg, &tif}) {
        const TVYXPictureType type = VYXPictureTypeFromBytes(*file);
        const std::unique_ptr<TVYXBitmap> whole = VYXDecodePicture(*file, type);
        ASSERT_NE(whole, nullptr);
        for (std::size_t n = 0; n < file->size(); n += 7) {
            SCOPED_TRACE(n);
            std::unique_ptr<TVYXBitmap> part;
            try {
                part = VYXDecodePicture(file->substr(0, n), type);
            } catch (const VYXException&) {
                continue;
            }
            ASSERT_NE(part, nullptr);
            EXPECT_EQ(part->Width(), whole->Width());
            EXPECT_EQ(part->Height(), whole->Height());
        }
    }
}

TEST(PictureStore, SharingAndUseCounts)
{
    TVYXPictures store;
    TVYXMemoryStream s1(Data("poi-drawing-image7.png"));
    TVYXPicture& first = store.AddPicture(s1);
    // A second picture with identical bytes maps to the stored one.
    TVYXPictureBMP other;
    TVYXMemoryStream s2(Data("poi-drawing-image7.png"));
    other.LoadFromStream(s2);
    EXPECT_EQ(&store.AddIfNotHas(other), &first);
    EXPECT_EQ(store.Count(), 1);
    EXPECT_EQ(other.RefCount, 1);  // the count of the picture passed in
    EXPECT_EQ(first.RefCount, 0);
    // Two objects use it; removing one user keeps the picture.
    auto a = std::make_unique<TVYXGraphicPicture>(&first);
    auto b = std::make_unique<TVYXGraphicPicture>(&first);
    EXPECT_EQ(first.RefCount, 2);
    a.reset();
    EXPECT_FALSE(store.Remove(first));
    EXPECT_EQ(store.Count(), 1);
    b.reset();
    EXPECT_TRUE(store.Remove(first));
    EXPECT_EQ(store.Count(), 0);
    // Different data gets a stored copy.
    TVYXPictureBMP gif;
    TVYXMemoryStream s3(Data("poi-drawing-image8.gif"));
    gif.LoadFromStream(s3);
    TVYXPicture& copy = store.AddIfNotHas(gif);
    EXPECT_NE(&copy, &gif);
    EXPECT_TRUE(copy.Equal(gif));
    EXPECT_EQ(copy.Owner, &store);
}

// Picture bullets share one stored picture per distinct image; copying the lists
// into another set brings the pictures into that set's own store.
TEST(PictureStore, PictureBulletsOfListLevels)
{
    TVYXNumberings lists;
    TVYXNumbering* l0 = lists.AddNewBullet(u"\uF06C");
    TVYXNumbering* l1 = l0->NumList()->GetItems(1);
    TVYXPictureBMP png;
    TVYXMemoryStream s1(Data("poi-drawing-image7.png"));
    png.LoadFromStream(s1);
    png.RefCount = 0;
    TVYXGraphicPicture& bullet = l0->AddPicture(png);
    l1->AddPicture(png);
    ASSERT_EQ(lists.PictBullets().Count(), 1);
    TVYXPicture& stored = lists.PictBullets().GetItems(0);
    EXPECT_EQ(bullet.Picture(), &stored);
    EXPECT_EQ(l1->Picture->Picture(), &stored);
    EXPECT_EQ(stored.RefCount, 2);
    EXPECT_FALSE(bullet.HasCrop());
    EXPECT_DOUBLE_EQ(bullet.Width, png.GetWidth());
    // Replacing a bullet releases the old use.
    l1->AddPicture(stored);
    EXPECT_EQ(stored.RefCount, 2);
    l1->Picture.reset();
    EXPECT_EQ(stored.RefCount, 1);

    TVYXNumberings copy;
    copy.Assign(lists);
    ASSERT_NE(copy.Find(0, 0)->Picture, nullptr);
    EXPECT_EQ(copy.Find(0, 0)->Picture->Picture()->Owner, &copy.PictBullets());
    EXPECT_TRUE(copy.Find(0, 0)->Picture->Picture()->Equal(png));
    EXPECT_EQ(copy.Find(0, 1)->Picture, nullptr);
}

// A picture run decodes raster data and keeps other formats as bytes only.
TEST(PictureDecode, PictureRunsDecodeTheirData)
{
    TVYXCharRuns runs;
    TVYXCharRunPicture* run = runs.AddPicture();
    run->LoadPicture(Data("poi-drawing-image8.gif"));
    EXPECT_EQ(run->OrigType, aptGIF);
    ASSERT_NE(run->Bitmap, nullptr);
    EXPECT_EQ(run->Bitmap->Width(), 234);
    const std::size_t size = run->Origdata.size();
    // Bad bytes raise and leave the run as it was.
    EXPECT_THROW(run->LoadPicture("\x89PNG\r\n\x1A\n broken"), VYXException);
    EXPECT_EQ(run->OrigType, aptGIF);
    EXPECT_EQ(run->Origdata.size(), size);
    ASSERT_NE(run->Bitmap, nullptr);
    // A copy gets its own image.
    auto copy = run->Clone();
    auto* pic = dynamic_cast<TVYXCharRunPicture*>(copy.get());
    ASSERT_NE(pic, nullptr);
    ASSERT_NE(pic->Bitmap, nullptr);
    EXPECT_NE(pic->Bitmap.get(), run->Bitmap.get());
    EXPECT_EQ(pic->Bitmap->Pixel(3, 3), run->Bitmap->Pixel(3, 3));
    run->LoadPicture(std::string("\x01\x00\x00\x00\x6C\x00\x00\x00", 8));
    EXPECT_EQ(run->OrigType, aptWMF);
    EXPECT_EQ(run->Bitmap, nullptr);
}

TEST(PictureStore, Canvas)
{
    TVYXPictures store;
    TVYXGraphicBMPCanvas& c = store.AddIfNotHas("Chart1", 40, 20);
    EXPECT_EQ(c.Bitmap()->Width(), 40);
    EXPECT_EQ(c.RefCount, 0);
    EXPECT_EQ(&store.AddIfNotHas("Chart1", 10, 10), &c);
    EXPECT_EQ(c.RefCount, 1);  // the stored match is counted here
    TVYXMemoryStream s(Data("rgb-3x2.bmp"));
    TVYXPicture& p = store.AddPicture(s);
    p.IdName = "Photo";
    try {
        store.AddIfNotHas("Photo", 1, 1);
        FAIL();
    } catch (const VYXException& e) {
        EXPECT_STREQ(e.what(), "Picture is not BMP Canvas");
    }
}

TEST(GraphicObjects, DefaultsIdsAndTitles)
{
    if (!VYXFindPresetShape("rect"))
        FAIL() << "the preset definitions were not embedded";
    TVYXShapeTypes types;
    TVYXShapeType* rect = types.Add("rect");
    ASSERT_NE(rect, nullptr);
    const std::uint32_t next = TVYXGraphicObj::PeekNextId();
    TVYXGraphicShape shape(rect);
    EXPECT_EQ(shape.Id, next);
    EXPECT_EQ(shape.Title, "Shape " + std::to_string(next + 1));
    EXPECT_EQ(rect->RefCount, 1);
    TVYXGraphicEllipse ellipse;
    EXPECT_EQ(ellipse.Id, next + 2);
    EXPECT_EQ(ellipse.Width, 150);
    EXPECT_EQ(ellipse.Height, 100);
    EXPECT_EQ(ellipse.Wrap, agowInFront);
    EXPECT_EQ(ellipse.OMargLeft, 9);
    EXPECT_TRUE(ellipse.Filled);
    EXPECT_EQ(ellipse.FillColor, 0xFFFFFFu);

    TVYXPictures store;
    TVYXMemoryStream s(Data("poi-drawing-image8.gif"));
    TVYXPicture& gif = store.AddPicture(s);
    TVYXGraphicPicture pic(&gif);
    EXPECT_DOUBLE_EQ(pic.Width, gif.GetWidth());
    EXPECT_DOUBLE_EQ(pic.Height, gif.GetHeight());
    EXPECT_FALSE(pic.Filled);
    EXPECT_FALSE(pic.Stroked);
    EXPECT_FALSE(pic.HasCrop());
    pic.CropLeft = 0.1;
    EXPECT_TRUE(pic.HasCrop());
}

// Each kind's place in the class tree and the values a new object starts with.
TEST(GraphicObjects, ClassTreeAndDefaults)
{
    static_assert(std::is_base_of_v<TVYXGraphicLine, TVYXGraphicRotate>);
    static_assert(std::is_base_of_v<TVYXGraphicRotate, TVYXGraphicShape>);
    static_assert(std::is_base_of_v<TVYXGraphicPicture, TVYXGraphicBarcode>);
    static_assert(std::is_base_of_v<TVYXGraphicRectangle, TVYXGraphicHorizLine>);
    static_assert(std::is_base_of_v<TVYXGraphicRotate, TVYXGraphicRoundRect>);
    static_assert(std::is_base_of_v<TVYXGraphicRotate, TVYXGraphicEllipse>);
    for (int t = agtLine; t <= agtEllipse; ++t) {
        SCOPED_TRACE(t);
        auto obj = VYXCreateGraphicObj(static_cast<TVYXGraphicType>(t));
        ASSERT_NE(obj, nullptr);
        EXPECT_EQ(obj->Type_(), t);
        EXPECT_EQ(obj->State, agosNormal);
        EXPECT_EQ(obj->Width, 150);
        EXPECT_EQ(obj->Height, 100);
        EXPECT_EQ(obj->OMargLeft, 9);
        EXPECT_EQ(obj->OMargTop, 0);
        EXPECT_EQ(obj->OMargRight, 9);
        EXPECT_EQ(obj->OMargBottom, 0);
        EXPECT_EQ(obj->Wrap, agowInFront);
        EXPECT_EQ(obj->HorizPosType, agoptAbsolute);
        EXPECT_EQ(obj->VertPosType, agoptAbsolute);
        EXPECT_EQ(obj->HorizPos, agohpAbsolute);
        EXPECT_EQ(obj->HorizPosRel, agohprColumn);
        EXPECT_EQ(obj->VertPosRel, agovprParagraph);
        EXPECT_EQ(obj->VertPos, agovpAbsolute);
        EXPECT_EQ(obj->WidthRel, agowrPage);
        EXPECT_EQ(obj->HeightRel, agohrPage);
        EXPECT_FALSE(obj->LockAnchor);
        EXPECT_FALSE(obj->DoNotCopy);
        EXPECT_DOUBLE_EQ(obj->RotWidth, 150);  // the box of an unturned object
        const auto& line = dynamic_cast<const TVYXGraphicLine&>(*obj);
        EXPECT_EQ(line.StrokeColor, 0u);
        EXPECT_EQ(line.LineStyle, agclsSingle);
        EXPECT_EQ(line.LineDashStyle, agldsSolid);
        EXPECT_EQ(line.StrokeWeight, 0.75);
        if (const auto* rot = dynamic_cast<const TVYXGraphicRotate*>(obj.get())) {
            EXPECT_EQ(rot->GetAngle(), 0);
            EXPECT_EQ(rot->FillColor, 0xFFFFFFu);
            EXPECT_EQ(rot->FillAlpha, 1.0);
            EXPECT_EQ(rot->TextBox, nullptr);
            // Pictures and barcodes are neither filled nor outlined; the others are both.
            const bool picture = t == agtPicture || t == agtBarcode;
            EXPECT_EQ(rot->Filled, !picture);
            EXPECT_EQ(line.Stroked, !picture);
        } else {
            EXPECT_TRUE(line.Stroked);
        }
    }

    TVYXGraphicRectangle rect;
    TVYXGrTextBox& box = rect.AddTextBox();
    EXPECT_EQ(&rect.AddTextBox(), &box);  // one box per object
    EXPECT_EQ(box.GrObj, &rect);
    EXPECT_EQ(box.Type, atbtNormal);
    EXPECT_EQ(box.VertAlign, atbvaTop);
    EXPECT_EQ(box.MargLeft, 7.2);
    EXPECT_EQ(box.MargTop, 3.6);
    EXPECT_EQ(box.MargRight, 7.2);
    EXPECT_EQ(box.MargBottom, 3.6);
    EXPECT_EQ(box.AdjX1, 0);
    EXPECT_EQ(box.AdjY1, 0);
    EXPECT_EQ(box.AdjX2, 1.0);
    EXPECT_EQ(box.AdjY2, 1.0);
    rect.SetAngle(90);  // SetAngle recomputes the rotated box
    EXPECT_NEAR(rect.RotWidth, 100, 1e-9);
}

TEST(GraphicObjects, PictureAdjustmentsAndCrop)
{
    TVYXGraphicPicture pic(nullptr);
    pic.Alpha = 0.5f;
    pic.Saturation = 0.9f;
    pic.Contrast = pic.Brightness = pic.Red = pic.Green = pic.Blue = 0.3f;
    pic.Grayscale = true;
    pic.ResetAdjustments();
    EXPECT_EQ(pic.Alpha, 1.0f);
    EXPECT_EQ(pic.Saturation, 0.25f);
    for (float v : {pic.Contrast, pic.Brightness, pic.Red, pic.Green, pic.Blue})
        EXPECT_EQ(v, 0.0f);
    EXPECT_FALSE(pic.Grayscale);

    const struct {
        double Left, Right, Top, Bottom;
        bool Crop;
    } crops[] = {
        {0, 0, 0, 0, false},
        {0.1, 0, 0, 0, true},
        {0, 0, 0, 0.25, true},
        {0.1, -0.1, 0, 0, false},  // crop values that add up to 0 crop nothing
        {-0.2, 0, 0, 0, true},     // a negative crop widens the picture
    };
    for (const auto& c : crops) {
        SCOPED_TRACE(c.Left + c.Right * 10 + c.Top * 100 + c.Bottom * 1000);
        pic.CropLeft = c.Left;
        pic.CropRight = c.Right;
        pic.CropTop = c.Top;
        pic.CropBottom = c.Bottom;
        EXPECT_EQ(pic.HasCrop(), c.Crop);
        pic.ClearCrop();
        EXPECT_FALSE(pic.HasCrop());
        EXPECT_EQ(pic.CropLeft, 0);
    }
}

TEST(PictureStore, NamesLookupsAndKindsByExtension)
{
    TVYXPictures store;
    EXPECT_EQ(store.Last(), nullptr);
    TVYXMemoryStream s1(Data("rgb-3x2.bmp"));
    TVYXPicture& a = store.AddPicture(s1);
    TVYXMemoryStream s2(Data("poi-drawing-image8.gif"));
    TVYXPicture& b = store.AddPicture(s2);
    EXPECT_EQ(a.IdName, "Picture1");
    EXPECT_EQ(b.IdName, "Picture2");
    EXPECT_EQ(a.Owner, &store);
    EXPECT_EQ(store.Last(), &b);
    a.RId = "rId7";
    a.Target = "media/image1.bmp";
    b.Target = "media/image2.gif";
    EXPECT_EQ(store.FindByRId("rId7"), &a);
    EXPECT_EQ(store.FindByRId("rId8"), nullptr);
    EXPECT_EQ(store.FindByTarget("media/image2.gif"), &b);
    EXPECT_EQ(store.FindByTarget("media/image3.png"), nullptr);
    EXPECT_EQ(store.FindByIdName("Picture2"), &b);
    EXPECT_EQ(store.Find("Picture1"), &a);
    EXPECT_EQ(store.Find(b), 1);
    TVYXPictureBMP outside;
    EXPECT_EQ(store.Find(outside), -1);
    EXPECT_EQ(store.FindEqData(a), nullptr);  // a picture is not its own duplicate
    TVYXPictureBMP twin;
    TVYXMemoryStream s3(Data("rgb-3x2.bmp"));
    twin.LoadFromStream(s3);
    EXPECT_EQ(store.FindEqData(twin), &a);

    const struct {
        const char* Ext;
        int Kind;  // 0 none, 1 raster, 2 metafile
    } exts[] = {{"png", 1}, {".JPG", 1}, {"jpeg", 1}, {"gif", 1}, {"bmp", 1}, {"tif", 1}, {"TIFF", 1},
                {"emf", 2}, {".wmf", 2}, {"txt", 0}, {"", 0}, {".", 0}};
    for (const auto& e : exts) {
        SCOPED_TRACE(e.Ext);
        auto picture = TVYXPictures::CreateFromExt(e.Ext);
        EXPECT_EQ(picture != nullptr, e.Kind != 0);
        EXPECT_EQ(dynamic_cast<TVYXPictureBMP*>(picture.get()) != nullptr, e.Kind == 1);
        EXPECT_EQ(dynamic_cast<TVYXGraphicMetafile*>(picture.get()) != nullptr, e.Kind == 2);
    }
}

TEST(GraphicObjects, RotatedBoxAndHit)
{
    TVYXGraphicRectangle r;
    r.Width = 100;
    r.Height = 20;
    r.SetAngle(90);
    EXPECT_NEAR(r.RotWidth, 20, 1e-9);
    EXPECT_NEAR(r.RotHeight, 100, 1e-9);
    EXPECT_NEAR(r.RotXOffs, 40, 1e-9);
    EXPECT_TRUE(r.Hit(50, -30));   // inside once turned upright
    EXPECT_FALSE(r.Hit(5, 5));     // a corner of the unrotated box
    TVYXGraphicObjList list(nullptr, nullptr);
    auto& added = list.Add(std::make_unique<TVYXGraphicRectangle>());
    EXPECT_EQ(list.Hit(10, 10), &added);
    EXPECT_EQ(list.Hit(500, 10), nullptr);
    auto taken = list.Snatch(added);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_NE(taken, nullptr);
}

TEST(GraphicObjects, ListLookups)
{
    TVYXShapeTypes types;
    TVYXGraphicObjList list(nullptr, &types);
    list.Add(std::make_unique<TVYXGraphicEllipse>());
    auto& plain = static_cast<TVYXGraphicShape&>(list.Add(std::make_unique<TVYXGraphicShape>(nullptr)));
    auto& mark = static_cast<TVYXGraphicShape&>(list.Add(std::make_unique<TVYXGraphicShape>(nullptr)));
    auto& later = static_cast<TVYXGraphicShape&>(list.Add(std::make_unique<TVYXGraphicShape>(nullptr)));
    EXPECT_EQ(list.FindWatermark(), nullptr);
    mark.IsWatermark = true;
    later.IsWatermark = true;
    EXPECT_EQ(list.FindWatermark(), &mark);  // the first one
    EXPECT_EQ(list.FindShapeById(plain.ShapeId), &plain);
    EXPECT_EQ(list.FindShapeById(-1), nullptr);
    EXPECT_EQ(list.Selected(), nullptr);
    later.State = agosDrag;
    EXPECT_EQ(list.Selected(), &later);
    EXPECT_EQ(&list.GetItems(1), &plain);
    EXPECT_EQ(plain.Owner, &list);
}

TEST(GraphicObjects, CopyBetweenDocumentsMapsSharedData)
{
    if (!VYXFindPresetShape("rect"))
        FAIL() << "the preset definitions were not embedded";
    TVYXPictures srcPictures, dstPictures;
    TVYXShapeTypes srcTypes, dstTypes;
    TVYXMemoryStream s(Data("poi-drawing-image7.png"));
    TVYXPicture& png = srcPictures.AddPicture(s);
    TVYXGraphicObjList src(&srcPictures, &srcTypes);
    auto& pic = static_cast<TVYXGraphicPicture&>(src.Add(VYXCreateGraphicObj(agtPicture, nullptr, &png)));
    pic.FlipX = true;
    auto& shape = static_cast<TVYXGraphicShape&>(src.Add(VYXCreateGraphicObj(agtShape, srcTypes.Add("heart"))));
    shape.SetPicture(&png);
    shape.FillColor = 0x123456;
    shape.Adjust = {1, 2};
    src.Add(VYXCreateGraphicObj(agtEllipse)).DoNotCopy = true;

    TVYXGraphicObjList dst(&dstPictures, &dstTypes);
    dst.Assign(src);
    ASSERT_EQ(dst.Count(), 2);
    EXPECT_EQ(dstPictures.Count(), 1);  // one stored copy serves both objects
    EXPECT_EQ(dstTypes.Count(), 1);
    auto& pic2 = dynamic_cast<TVYXGraphicPicture&>(dst.GetItems(0));
    EXPECT_TRUE(pic2.FlipX);
    EXPECT_EQ(pic2.Picture(), &dstPictures.GetItems(0));
    EXPECT_EQ(dstPictures.GetItems(0).RefCount, 2);
    auto& shape2 = dynamic_cast<TVYXGraphicShape&>(dst.GetItems(1));
    EXPECT_EQ(shape2.ShapeType, dstTypes.Find("heart"));
    EXPECT_EQ(shape2.FillColor, 0x123456u);
    EXPECT_EQ(shape2.Adjust, (std::vector<int>{1, 2}));
    EXPECT_NE(shape2.Id, shape.Id);
    EXPECT_EQ(dst.FindShapeById(shape2.ShapeId), &shape2);
}

// Every kind survives a save and load into another document's stores: saving the
// loaded object again gives the same bytes, and shared data lands in the new stores.
TEST(GraphicObjects, SaveAndLoadEveryKind)
{
    if (!VYXFindPresetShape("rect"))
        FAIL() << "the preset definitions were not embedded";
    TVYXPictures srcPictures, dstPictures;
    TVYXShapeTypes srcTypes, dstTypes;
    TVYXMemoryStream s(Data("poi-drawing-image7.png"));
    TVYXPicture& png = srcPictures.AddPicture(s);
    std::vector<std::unique_ptr<TVYXGraphicObj>> objs;
    for (int t = agtLine; t <= agtEllipse; ++t) {
        auto type = static_cast<TVYXGraphicType>(t);
        auto obj = VYXCreateGraphicObj(type, srcTypes.Add("wedgeRectCallout"), &png);
        obj->PosLeft = 10.5 + t;
        obj->Width = 33;
        obj->Wrap = agow_ParaRight;
        obj->HorizPosRel = agohprPage;
        obj->Adjust = {t, -7};
        obj->EditPoints = {{1, 2}, {3, 4.25}};
        obj->Title = "T" + std::to_string(t);
        obj->URL = "https://example.org/x";
        obj->Precalc();
        if (auto* line = dynamic_cast<TVYXGraphicLine*>(obj.get())) {
            line->LineDashStyle = agldsLongDashDot;
            line->StrokeColor = 0xABCDEF;
        }
        if (auto* rot = dynamic_cast<TVYXGraphicRotate*>(obj.get())) {
            rot->SetAngle(30);
            rot->AddTextBox().VertAlign = atbvaCenter;
        }
        if (auto* shape = dynamic_cast<TVYXGraphicShape*>(obj.get())) {
            shape->EndArrow = std::make_unique<TVYXGraphicArrow>();
            shape->EndArrow->Head = agahDiamond;
            shape->SetPicture(&png);
            shape->TextPath = u"Grüße";
        }
        if (auto* pic = dynamic_cast<TVYXGraphicPicture*>(obj.get())) {
            pic->CropTop = 0.125;
            pic->Brightness = 0.5f;
        }
        if (auto* code = dynamic_cast<TVYXGraphicBarcode*>(obj.get()))
            code->Text = u"12345";
        if (auto* rule = dynamic_cast<TVYXGraphicHorizLine*>(obj.get()))
            rule->Percent = 50;
        objs.push_back(std::move(obj));
    }
    TVYXMemoryStream all;
    for (const auto& obj : objs)
        VYXSaveGraphicObj(all, *obj);
    all.Seek(0, vysoBeginning);
    const TVYXGraphicStores stores{&dstPictures, &dstTypes};
    std::vector<std::unique_ptr<TVYXGraphicObj>> loaded;
    for (const auto& obj : objs) {
        SCOPED_TRACE(obj->Type_());
        loaded.push_back(VYXLoadGraphicObj(all, stores));
        const TVYXGraphicObj& copy = *loaded.back();
        EXPECT_EQ(copy.Type_(), obj->Type_());
        EXPECT_NE(copy.Id, obj->Id);
        EXPECT_DOUBLE_EQ(copy.RotWidth, obj->RotWidth);
        TVYXMemoryStream a, b;
        obj->SaveToStream(a);
        copy.SaveToStream(b);
        EXPECT_EQ(a.Bytes(), b.Bytes());
    }
    EXPECT_TRUE(all.AtEnd());
    ASSERT_EQ(dstPictures.Count(), 1);
    // The picture object, the barcode's picture (none) and the shape's fill.
    EXPECT_EQ(dstPictures.GetItems(0).RefCount, 2);
    ASSERT_NE(dstTypes.Find("wedgeRectCallout"), nullptr);
    EXPECT_EQ(dstTypes.Find("wedgeRectCallout")->RefCount, 1);
    auto& shape = dynamic_cast<TVYXGraphicShape&>(*loaded[agtShape - agtLine]);
    EXPECT_EQ(shape.TextPath, u"Grüße");
    EXPECT_EQ(shape.EndArrow->Head, agahDiamond);
    EXPECT_EQ(shape.StartArrow, nullptr);

    // Without stores the objects come back without shared data.
    all.Seek(0, vysoBeginning);
    for (int t = agtLine; t <= agtEllipse; ++t)
        EXPECT_NO_THROW(VYXLoadGraphicObj(all));
}

// Truncated or corrupted data raises and adds nothing that stays in use.
TEST(GraphicObjects, BadSavedDataRaises)
{
    TVYXPictures pictures;
    TVYXMemoryStream s(Data("poi-drawing-image8.gif"));
    TVYXGraphicPicture pic(&pictures.AddPicture(s));
    pic.SetAngle(45);
    TVYXMemoryStream saved;
    VYXSaveGraphicObj(saved, pic);
    const std::string good(saved.Bytes());
    const TVYXGraphicStores stores{&pictures, nullptr};
    for (std::size_t cut = 0; cut < good.size(); cut += 7) {
        SCOPED_TRACE(cut);
        TVYXMemoryStream part(good.substr(0, cut));
        EXPECT_THROW(VYXLoadGraphicObj(part, stores), VYXException);
    }
    const struct {
        std::size_t Offset;
        char Byte;
    } corruptions[] = {{0, 'X'}, {4, 0}, {4, 42}, {5 + 12 * 8, 9}, {5 + 8, '\xFF'}};
    for (const auto& c : corruptions) {
        SCOPED_TRACE(c.Offset);
        std::string bad = good;
        bad[c.Offset] = c.Byte;
        if (c.Offset == 5 + 8)
            bad.replace(c.Offset, 8, std::string("\x00\x00\x00\x00\x00\x00\xF8\x7F", 8));  // a NaN position
        TVYXMemoryStream in(bad);
        EXPECT_THROW(VYXLoadGraphicObj(in, stores), VYXException);
    }
    EXPECT_EQ(pictures.Count(), 1);
    TVYXMemoryStream in(good);
    auto copy = VYXLoadGraphicObj(in, stores);
    EXPECT_EQ(static_cast<TVYXGraphicPicture&>(*copy).Picture(), pic.Picture());
    EXPECT_EQ(pic.Picture()->RefCount, 2);
}

// The saved form is kept by clipboards and undo data: objects written by earlier
// builds (the fuzzing seeds) must still load, with their values.
TEST(GraphicObjects, EarlierSavedObjectsStillLoad)
{
    TVYXPictures pictures;
    TVYXShapeTypes types;
    const std::string dir = std::string(VYX_SOURCE_DIR) + "/fuzz/corpus/graphicobj/";
    const struct {
        const char* File;
        TVYXGraphicType Type;
    } cases[] = {{"line", agtLine}, {"ellipse-textbox", agtEllipse}, {"roundrect", agtRoundRect}, {"shape", agtShape}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        TVYXMemoryStream in(VYXReadFile(dir + c.File));
        auto obj = VYXLoadGraphicObj(in, {&pictures, &types});
        ASSERT_NE(obj, nullptr);
        EXPECT_EQ(obj->Type_(), c.Type);
        EXPECT_TRUE(in.AtEnd());
        EXPECT_DOUBLE_EQ(obj->PosTop, 20);
        EXPECT_EQ(obj->Adjust, (std::vector<int>{5400, -3}));
        EXPECT_EQ(obj->Title, "Shape 1");
    }
    if (VYXFindPresetShape("rect")) {  // found by id only when the presets were embedded
        ASSERT_NE(types.Find("rect"), nullptr);
        EXPECT_EQ(types.Find("rect")->RefCount, 0);  // the shape is gone again
    }
}

// A graphic run copied into another document brings its picture into that document's
// store; copied within its document it shares the picture.
TEST(GraphicObjects, GraphicRunsCopiedBetweenDocuments)
{
    TVYXLogDocument docs[2];
    TVYXPictures* pictures[2] = {&docs[0].Pictures(), &docs[1].Pictures()};
    TVYXMemoryStream s(Data("poi-drawing-image7.png"));
    TVYXPicture& png = pictures[0]->AddPicture(s);
    const auto sourceOwned = docs[0].CreateCharRuns();
    TVYXCharRuns& source = *sourceOwned;
    TVYXCharRunGraphic* run = source.AddGraphic(VYXCreateGraphicObj(agtPicture, nullptr, &png));
    EXPECT_EQ(run->Graphic->Owner, run);

    const auto sameOwned = docs[0].CreateCharRuns(), otherOwned = docs[1].CreateCharRuns();
    TVYXCharRuns &sameDoc = *sameOwned, &otherDoc = *otherOwned;
    sameDoc.Append(source);
    otherDoc.Append(source);
    EXPECT_EQ(png.RefCount, 2);  // the other document's copy is no user of this picture
    ASSERT_EQ(pictures[1]->Count(), 1);
    auto* copied = dynamic_cast<TVYXCharRunGraphic*>(otherDoc.Items(0));
    ASSERT_NE(copied, nullptr);
    auto& pic = dynamic_cast<TVYXGraphicPicture&>(*copied->Graphic);
    EXPECT_EQ(pic.Picture(), &pictures[1]->GetItems(0));
    EXPECT_EQ(pic.Picture()->RefCount, 1);
    EXPECT_EQ(pic.Owner, copied);
}

}  // namespace
