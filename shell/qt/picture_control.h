// A picture control: shows a bitmap resource at its natural size.
#pragma once

#include <QImage>
#include <QWidget>

namespace lab {

class PictureControl : public QWidget {
 public:
  // `picture` views the bitmap's pixels, which live as long as the program.
  PictureControl(const QImage& picture, QWidget* parent);

  const QImage& Picture() const { return m_picture; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage m_picture;
};

}  // namespace lab
