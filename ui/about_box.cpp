#include "about_box.h"

#include "app_icon.h"
#include "dialog_units.h"
#include "modal_run.h"
#include "placement.h"

#include <QLabel>
#include <QPushButton>

namespace stampwright {
namespace {

struct AboutLabel {
    int x, y, width, height;
    Qt::Alignment alignment;
    const char* text;
};

const AboutLabel kLabels[] = {
    {92, 7, 94, 10, Qt::AlignHCenter, "Stampwright Version 1.0"},
    {97, 20, 83, 26, Qt::AlignHCenter,
     "Copyright 2008\nThe Stampwright authors\nstampwright@example.org"},
    {7, 47, 264, 26, Qt::AlignLeft,
     "The input files (presumably photos and videos) are given new names which include their "
     "\"modified\" time (plus a camera clock correction factor) as part of the name.  The "
     "renaming is done immediately, or is output as a batch file for you to modify."},
    {7, 73, 264, 18, Qt::AlignLeft,
     "Who would ever want to do that?  Just people trying to combine photos into chronological "
     "order from several cameras all shooting the same event."},
    {7, 93, 100, 11, Qt::AlignLeft, "Hints and Instructions:"},
    {7, 104, 264, 26, Qt::AlignLeft,
     "Make sure the file modification times of all the photos you are working on are correct.  "
     "Tools like ACDSee can copy the shooting time from the EXIF information in a JPEG picture "
     "to the file modified time.  Videos unfortunately don't have EXIF."},
    {7, 131, 264, 27, Qt::AlignLeft,
     "Use a photo of a clock, which has seconds, taken with all the cameras to figure out the "
     "time correction for each camera.  Alternatively, look for photos of common events and "
     "check their timestamps to see how the time differs between cameras."},
    {7, 158, 264, 34, Qt::AlignLeft,
     "Then run this program once for the photos from each camera with the time correction for "
     "that camera.  That will give you sequentially named files that, when combined with the "
     "files from the other cameras and sorted by name, will be in chronological order."},
};

} // namespace

CAboutBox::CAboutBox(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("About Stampwright"));
    const DialogBaseUnits base = SetUpFixedDialog(*this, 278, 199);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("iconLabel"));
    icon->setGeometry(DluRect(base, 43, 18, 20, 20));
    icon->setPixmap(AppIcon().pixmap(icon->size().boundedTo(QSize(48, 48))));

    QList<QLabel*> labels;
    for (const AboutLabel& entry : kLabels) {
        auto* label = new QLabel(QString::fromUtf8(entry.text), this);
        label->setGeometry(DluRect(base, entry.x, entry.y, entry.width, entry.height));
        label->setAlignment(entry.alignment | Qt::AlignTop);
        label->setWordWrap(true);
        labels.append(label);
    }
    ShrinkTextToFit(labels);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(DluRect(base, 201, 19, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreWindow(*this);
    findChild<QPushButton*>(QStringLiteral("okButton"))->setFocus();
}

void ShowAboutBox(QWidget* owner) {
    CAboutBox box(owner);
    RunModal(box);
}

} // namespace stampwright
