// VYXGraphicTypes.h: decoded images, the document's shared picture store and shape types.
//
// Pictures and shape types are shared by every graphic object of a document and
// counted: an object marks what it uses, and the store frees an entry only when
// nothing uses it any more. Sizes are points unless a name says pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/VYXBitmap.h"
#include "model/VYXDefs.h"
#include "model/VYXShapePath.h"

class TVYXStream;
class TVYXMemoryStream;

// Edit coordinates of a graphic in device pixels (its box before rotation).
struct TVYXGrEditCoords {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

enum TVYXGraphicBMPCanvasUpdate { agbcuNever, agbcuOnce, agbcuPaginate };

class TVYXPictures;

// A stored picture: its original bytes and what is needed to draw it.
class TVYXPicture {
public:
    TVYXPicture();
    virtual ~TVYXPicture();
    TVYXPicture(const TVYXPicture&) = delete;
    TVYXPicture& operator=(const TVYXPicture&) = delete;

    int RefCount = 0;
    TVYXPictures* Owner = nullptr;  // borrowed: the store holding this picture
    TVYXPictureType OrigType = aptBMP;
    std::string IdName;
    std::string RId;
    std::string Target;
    std::string UserName;
    std::string TempName;
    int TempIndex = 0;
    bool Unsupported = false;  // kept as bytes, drawn as a frame

    // Size in points, taken by a picture object as its own size.
    virtual double GetWidth() const = 0;
    virtual double GetHeight() const = 0;
    virtual void Assign(const TVYXPicture& other);
    virtual bool IsBitmap() const { return false; }
    virtual void LoadFromFile(const std::string& fileName);
    // Takes the stream's remaining bytes as the original data and decodes them.
    // Bad bytes raise VYXException and leave the picture as it was.
    virtual void LoadFromStream(TVYXStream& stream);
    virtual void SaveToFile(const std::string& fileName) const;
    virtual void SaveToStream(TVYXStream& stream) const;

    std::string_view OrigData() const;
    // Same size and the same bytes.
    bool Equal(const TVYXPicture& other) const;

protected:
    // Decodes `bytes`; on success they become the original data.
    virtual void Decode(std::string_view bytes) = 0;
    std::unique_ptr<TVYXMemoryStream> FOrigData;  // owns the original encoded bytes
};

// A raster picture (PNG, JPEG, GIF, BMP, TIFF) decoded to a bitmap.
class TVYXPictureBMP : public TVYXPicture {
public:
    TVYXPictureBMP();
    ~TVYXPictureBMP() override;
    double GetWidth() const override { return FWidthPt; }
    double GetHeight() const override { return FHeightPt; }
    void Assign(const TVYXPicture& other) override;
    bool IsBitmap() const override { return true; }
    // Nullptr for a picture kept only as bytes.
    const TVYXBitmap* Bitmap() const { return FBitmap.get(); }
    TVYXBitmap* Bitmap() { return FBitmap.get(); }
    // Replaces the image (a canvas drawn by the program). Size at 96 dpi.
    void SetBitmap(std::unique_ptr<TVYXBitmap> bitmap);

protected:
    void Decode(std::string_view bytes) override;
    std::unique_ptr<TVYXBitmap> FBitmap;
    double FWidthPt = 0;
    double FHeightPt = 0;
};

// A picture the program draws itself (barcodes, charts), found again by IdName.
class TVYXGraphicBMPCanvas : public TVYXPictureBMP {
public:
    TVYXGraphicBMPCanvas(int widthPx, int heightPx);
    TVYXGraphicBMPCanvasUpdate Update = agbcuNever;
};

// EMF and WMF: kept as bytes with the frame their header declares.
class TVYXGraphicMetafile : public TVYXPicture {
public:
    double GetWidth() const override { return FWidthPt; }
    double GetHeight() const override { return FHeightPt; }
    void Assign(const TVYXPicture& other) override;

protected:
    void Decode(std::string_view bytes) override;
    double FWidthPt = 0;
    double FHeightPt = 0;
};

// The picture type the first bytes announce, or aptUnknown.
TVYXPictureType VYXPictureTypeFromBytes(std::string_view bytes);

// The document's picture store (owning).
class TVYXPictures {
public:
    TVYXPictures();
    ~TVYXPictures();
    TVYXPictures(const TVYXPictures&) = delete;
    TVYXPictures& operator=(const TVYXPictures&) = delete;

    // The stored picture of a file or stream; bad bytes raise and store nothing.
    TVYXPicture& AddPicture(const std::string& fileName);
    TVYXPicture& AddPicture(TVYXStream& stream);
    // Takes ownership of a picture created elsewhere.
    TVYXPicture& AddPicture(std::unique_ptr<TVYXPicture> picture);
    TVYXGraphicBMPCanvas& AddCanvas(const std::string& idName, int widthPx, int heightPx);
    // A stored picture with equal data, else a stored copy. The use count of the
    // picture passed in is incremented, not that of the stored match.
    TVYXPicture& AddIfNotHas(TVYXPicture& picture);
    // The stored canvas of that name (marked used), else a new one of that size.
    // Raises "Picture is not BMP Canvas" when the name belongs to another kind.
    TVYXGraphicBMPCanvas& AddIfNotHas(const std::string& idName, int widthPx, int heightPx);

    static std::unique_ptr<TVYXPicture> CreateFromExt(std::string_view ext);
    // Reads the first bytes and rewinds; nullptr when they announce no known type.
    // Metafiles (WMF, EMF) get a TVYXGraphicMetafile, which keeps them as bytes; the
    // raster formats a TVYXPictureBMP. Either has OrigType set.
    static std::unique_ptr<TVYXPicture> CreateFromMagicNumber(TVYXStream& stream);

    int Find(const TVYXPicture& picture) const;  // index or -1
    const TVYXPicture* Find(std::string_view idName) const { return FindByIdName(idName); }
    TVYXPicture* Find(std::string_view idName) { return FindByIdName(idName); }
    const TVYXPicture* FindByRId(std::string_view rId) const;
    TVYXPicture* FindByRId(std::string_view rId) { return Mutable(std::as_const(*this).FindByRId(rId)); }
    const TVYXPicture* FindByIdName(std::string_view idName) const;
    TVYXPicture* FindByIdName(std::string_view idName) { return Mutable(std::as_const(*this).FindByIdName(idName)); }
    const TVYXPicture* FindByTarget(std::string_view target) const;
    TVYXPicture* FindByTarget(std::string_view target) { return Mutable(std::as_const(*this).FindByTarget(target)); }
    const TVYXPicture* FindEqData(const TVYXPicture& picture) const;
    TVYXPicture* FindEqData(const TVYXPicture& picture) { return Mutable(std::as_const(*this).FindEqData(picture)); }
    // Frees the picture when nothing uses it (use count below 1); returns whether it did.
    bool Remove(TVYXPicture& picture);
    const TVYXPicture* Last() const { return FItems.empty() ? nullptr : FItems.back().get(); }
    TVYXPicture* Last() { return FItems.empty() ? nullptr : FItems.back().get(); }
    const TVYXPicture& GetItems(int i) const { return *FItems.at(static_cast<std::size_t>(i)); }
    TVYXPicture& GetItems(int i) { return *FItems.at(static_cast<std::size_t>(i)); }
    int Count() const { return static_cast<int>(FItems.size()); }

private:
    // The non-const lookups: the store owns its pictures, so its own callers may change them.
    static TVYXPicture* Mutable(const TVYXPicture* picture) { return const_cast<TVYXPicture*>(picture); }
    TVYXPicture& Store(std::unique_ptr<TVYXPicture> picture);
    std::vector<std::unique_ptr<TVYXPicture>> FItems;
};

// ---- Shape types ----

class TVYXShapeTypes;
struct TVYXVmlShapeDef;

// A shape type: a preset geometry by name (e.g. "rightArrow"), or a legacy definition
// with formulas and a path in its own coordinate space, and its default adjust values.
class TVYXShapeType {
public:
    int RefCount = 0;
    TVYXShapeTypes* Owner = nullptr;  // borrowed
    std::string Id;
    std::vector<int> Adjust;  // default adjust values
    bool Filled = true;
    bool ArrowsOk = false;
    // Legacy definitions only (VmlPath not empty).
    std::vector<TVYXShapeFormula> Formulas;
    std::string VmlPath;
    double CoordsWidth = 21600;
    double CoordsHeight = 21600;
    std::string TextBoxRect;
    std::string ConnectLocs;    // "x,y;x,y" value list
    std::string ConnectAngles;  // degrees per connection site
    std::vector<TVYXVmlHandleDef> Handles;

    // The outline for a box of width × height (any unit), with the object's adjust
    // values overriding the defaults. Empty for an unknown id.
    TVYXGrShapePath CalcPath(double width, double height, const std::vector<int>* adjust = nullptr) const;
    // The adjust handles and connection sites for a box (presets from their
    // definitions, legacy types from the fields above).
    std::vector<TVYXShapeHandle> CalcHandles(double width, double height,
                                             const std::vector<int>* adjust = nullptr) const;
    std::vector<TVYXShapeConnectLoc> CalcConnectLocs(double width, double height,
                                                     const std::vector<int>* adjust = nullptr) const;
    // Dragging handle `index` to (x, y) in a width × height box: sets the adjust values
    // it moves (filling `adjust` up from the defaults first) to the allowed values that
    // bring the handle closest to the point. False when there is no such handle.
    bool CalcAdjust(int index, double x, double y, double width, double height, std::vector<int>& adjust) const;
    // The area text is set in for a box: the shape's own text rectangle, else the whole box.
    TVYXShapeRect CalcTextBoxRect(double width, double height, const std::vector<int>* adjust = nullptr) const;
};

class TVYXShapeTypes {
public:
    TVYXShapeType* CurrShape = nullptr;  // borrowed
    // Adds the preset geometry `id`; nullptr when there is no such preset.
    TVYXShapeType* Add(std::string_view id);
    // Adds a legacy definition; raises "Invalid shape formula" on a formula it cannot read.
    TVYXShapeType& Add(const TVYXVmlShapeDef& def);
    const TVYXShapeType* Find(std::string_view id) const;
    TVYXShapeType* Find(std::string_view id) { return const_cast<TVYXShapeType*>(std::as_const(*this).Find(id)); }
    // The stored type of the same id, else a stored copy. No use count changes: the
    // shape that takes the type counts itself.
    TVYXShapeType& AddIfNotHas(const TVYXShapeType& shapeType);
    // The rectangle a text box is drawn with.
    TVYXShapeType& AddIfNotHasTextBox();
    // Legacy formulas: parse one ("sum #0 0 10800"; raises "Invalid shape formula"),
    // look up an operator keyword, and the value of formula `index` of a type for a box in points.
    static TVYXShapeFormula ParseFormula(std::string_view text);
    static bool GetOperator(std::string_view name, TVYXShapeFmlaOp& op);
    static double GetValue(const TVYXShapeType& type, int index, double width, double height);
    int Count() const { return static_cast<int>(FItems.size()); }

private:
    std::vector<std::unique_ptr<TVYXShapeType>> FItems;
};
