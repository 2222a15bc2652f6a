// A drawing surface that draws nothing and records every operation, in order, for the tests. Its font
// metrics are fixed: a character is half the font size wide (an 8-bit code of 128 or more, a symbol,
// 0.8 of it), a line of text is as high as the font size, both in logical units; the height takes the
// sign of the logical height, as on the window's surface.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "platform/surface.h"

class RecordingSurface : public Surface {
public:
    enum class Kind { Clear, Coordinates, BackColor, ForeColor, FontName, FontSize, FontBold, CurrentX, CurrentY,
                      Print, Line, Circle };
    struct Op {
        Kind kind;
        std::string text{};          // Print: the text; FontName: the face
        double x = 0, y = 0;         // Print: the position; Line: start; Circle: centre; CurrentX/Y, FontSize
        double x2 = 0, y2 = 0;       // Line: end; Circle: radius in x2
        Rgb color{};                 // Print: drawing colour; Line, Circle: their colour; Back/ForeColor
        double fontSize = 0;         // Print: the size it used
        bool bold = false;           // Print: bold
    };

    RecordingSurface(double width = 1024, double height = 768) { SetCoordinates(0, 0, width, height); ops.clear(); }

    void Clear() override { Add({Kind::Clear, "", 0, 0, 0, 0, back_}); }
    void SetCoordinates(double x1, double y1, double x2, double y2) override {
        left_ = x1, top_ = y1, width_ = x2 - x1, height_ = y2 - y1;
        currentX_ = x1, currentY_ = y1;
        Add({Kind::Coordinates, "", x1, y1, x2, y2});
    }
    double ScaleLeft() const override { return left_; }
    double ScaleTop() const override { return top_; }
    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }
    void SetBackColor(Rgb c) override {
        back_ = c;
        Add({Kind::BackColor, "", 0, 0, 0, 0, c});
    }
    void SetForeColor(Rgb c) override {
        fore_ = c;
        Add({Kind::ForeColor, "", 0, 0, 0, 0, c});
    }
    Rgb ForeColor() const override { return fore_; }
    void SetFontName(const std::string& face) override {
        face_ = face;
        Add({Kind::FontName, face});
    }
    void SetFontSize(double points) override {
        size_ = points;
        Add({Kind::FontSize, "", points});
    }
    void SetFontBold(bool bold) override {
        bold_ = bold;
        Op op{Kind::FontBold};
        op.bold = bold;
        Add(op);
    }
    double CurrentX() const override { return currentX_; }
    double CurrentY() const override { return currentY_; }
    void SetCurrentX(double x) override {
        currentX_ = x;
        Add({Kind::CurrentX, "", x});
    }
    void SetCurrentY(double y) override {
        currentY_ = y;
        Add({Kind::CurrentY, "", 0, y});
    }
    void Print(const std::string& text) override {
        Op op{Kind::Print, text, currentX_, currentY_, 0, 0, fore_};
        op.fontSize = size_;
        op.bold = bold_;
        Add(op);
        currentX_ = left_;
        currentY_ += TextHeight(text);
    }
    double TextWidth(const std::string& text) const override {
        double w = 0;
        for (unsigned char c : text) w += (c >= 128 ? 0.8 : 0.5) * size_;
        return w;
    }
    double TextHeight(const std::string&) const override { return height_ < 0 ? -size_ : size_; }
    void Line(double x1, double y1, double x2, double y2, Rgb color) override {
        Add({Kind::Line, "", x1, y1, x2, y2, color});
    }
    void Circle(double cx, double cy, double radius, Rgb color) override {
        Add({Kind::Circle, "", cx, cy, radius, 0, color});
    }

    // The operations of one kind, in order.
    std::vector<Op> OfKind(Kind kind) const {
        std::vector<Op> result;
        for (const Op& op : ops)
            if (op.kind == kind) result.push_back(op);
        return result;
    }
    std::vector<Op> Prints() const { return OfKind(Kind::Print); }
    std::vector<Op> Lines() const { return OfKind(Kind::Line); }
    // The prints of one 8-bit code (a one-character text).
    std::vector<Op> PrintsOf(int code) const {
        std::vector<Op> result;
        for (const Op& op : ops)
            if (op.kind == Kind::Print && op.text == std::string(1, static_cast<char>(code))) result.push_back(op);
        return result;
    }

    std::vector<Op> ops;

private:
    void Add(const Op& op) { ops.push_back(op); }

    double left_ = 0, top_ = 0, width_ = 1024, height_ = 768;
    double currentX_ = 0, currentY_ = 0;
    Rgb back_{255, 255, 255}, fore_{0, 0, 0};
    std::string face_;
    double size_ = 12;
    bool bold_ = false;
};
