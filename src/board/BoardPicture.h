#pragma once

#include <QWidget>
#include <algorithm>

#include "board/BoardCanvas.h"
#include "board/BoardPaint.h"
#include "platform/Fonts.h"

// The board picture Pimain. It shows the last board description it was given
// and repaints the screen only when that description, its font or a clearing
// changes what it shows.
class BoardPicture : public QWidget {
  Q_OBJECT

 public:
  explicit BoardPicture(QWidget* parent);

  void Show(const BoardPaint& paint);
  void Clear();
  void SetFace(const BoardFace& face);
  void SetFontPoints(double points);
  // The picture in device pixels (devicePixelRatio() of them to a logical one).
  const QImage& Picture() const { return canvas_.Image(); }
  const QFont& BoardFont() const { return canvas_.Font(); }
  int RenderCount() const { return renders_; }

  // Board text is never drawn smaller than this: below it a character
  // cannot be read.
  static constexpr int kMinimumTextPixels = 6;

 signals:
  void pressed(int button, double x, double y);
  void released(int button, double x, double y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Render();
  void Draw();
  void Invalidate();
  int FontPixels() const { return std::max(kMinimumTextPixels, PointsToPixels(points_)); }

  BoardCanvas canvas_;
  double points_ = 12;
  BoardPaint shown_;
  bool stale_ = true;
  int renders_ = 0;
};
