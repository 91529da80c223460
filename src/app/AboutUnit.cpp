// TAboutForm: layout, texts and links.
#include "AboutUnit.h"

#include "WebAddresses.h"
#include "skin/binding/sCommonData.h"
#include "skin/controls/sBevel.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sLabel.h"
#include "core/Version.h"
#include "platform/SystemMetrics.h"

namespace {
constexpr TColor kTextColor = 0x212121;
constexpr TColor kLinkColor = 0xFF0080;

template <class T>
T* Place(QWidget* parent, const char* name, int left, int top, int width, int height, int fontHeight = -11) {
    T* control = new T(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    control->setFont(FormFont("Tahoma", fontHeight));
    return control;
}

TsLabel* PlaceLabel(QWidget* parent, const char* name, int left, int top, int width, int height,
                    const QString& caption, int fontHeight = -11) {
    auto* label = Place<TsLabel>(parent, name, left, top, width, height, fontHeight);
    label->SetCaption(caption);
    label->SetFontColor(kTextColor);
    return label;
}

TsWebLabel* PlaceWebLabel(QWidget* parent, const char* name, int left, int top, int width, int height,
                          const QString& caption, const char* address) {
    auto* label = Place<TsWebLabel>(parent, name, left, top, width, height);
    label->SetCaption(caption);
    label->URL = QString::fromLatin1(address);
    label->HoverFont = FormFont("Tahoma", -11);
    label->HoverFontColor = clWindowText;
    label->SetNormalFont(FormFont("Tahoma", -11), kLinkColor);
    label->adjustSize();
    return label;
}
}  // namespace

QString TAboutForm::DescriptionText() {
    return QStringLiteral(
        "  Программа предназначена для автоматизации процесса создания пользовательской интерактивной "
        "карты.\n"
        "\n"
        "  Что это значит на \"человеческом\" языке? Допустим, у вас есть изображение карты (схема, "
        "фотография, план помещения, что угодно), и вы хотите превратить его в интерактивную карту в "
        "интернете: её можно масштабировать, отмечать на ней места, оставлять комментарии и делиться ею "
        "с друзьями.\n"
        "  Вместо того чтобы изучать программный интерфейс крупного картографического сервиса и "
        "регистрировать сайт, вы можете воспользоваться этой программой вместе с сервисом Veltrana. "
        "Укажите программе изображение вашей \"карты\" и папку для результата, остальные настройки - "
        "дело вкуса. Программа особым образом нарежет карту и подготовит дополнительный файл описания. "
        "Затем загрузите всю папку на любой сайт (подойдёт и бесплатный хостинг) и вызовите скрипт "
        "сервиса, указав ему адрес папки на сайте.\n"
        "  Подробное описание находится на сайте сервиса.");
}

TAboutForm::TAboutForm(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    SetCaption(QStringLiteral("O программе Quadrimo"));  // a Latin capital O
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(biSystemMenu);
    SetClientSize(428, 334);
    SetPosition(TPosition::poDesktopCenter);
    setFont(FormFont("Tahoma", -11));
    SetColor(clBtnFace);

    QWidget* client = Client();
    sLabel1 = PlaceLabel(client, "sLabel1", 8, 8, 130, 25, QStringLiteral("Quadrimo"), -21);
    sLabel2 = PlaceLabel(client, "sLabel2", 8, 32, 60, 13, QStringLiteral("version ") + QString::fromLatin1(kQuadrimoVersion));
    sLabel2->setEnabled(false);
    sLabel4 = PlaceLabel(client, "sLabel4", 304, 9, 40, 13, QStringLiteral("Сервис:"));
    sWebLabel1 = PlaceWebLabel(client, "sWebLabel1", 373, 9, 47, 13, QStringLiteral("Veltrana"), kServiceAddress);
    sLabel5 = PlaceLabel(client, "sLabel5", 304, 28, 63, 13, QStringLiteral("Разработка:"));
    sWebLabel2 = PlaceWebLabel(client, "sWebLabel2", 378, 28, 42, 13, QStringLiteral("Brovanti"), kDeveloperAddress);
    sBevel1 = Place<TsBevel>(client, "sBevel1", 8, 51, 412, 246);
    // Not auto-sized from the start: setting the font would otherwise measure the still empty label.
    sLabel3 = new TsLabel(client);
    sLabel3->SetAutoSize(false);
    sLabel3->SetWordWrap(true);
    sLabel3->setObjectName(QStringLiteral("sLabel3"));
    sLabel3->setGeometry(24, 64, 377, 225);
    sLabel3->setFont(FormFont("Tahoma", -11));
    sLabel3->setTextFormat(Qt::PlainText);
    sLabel3->SetCaption(DescriptionText());
    sLabel3->SetFontColor(kTextColor);
    sButton1 = Place<TsButton>(client, "sButton1", 177, 304, 75, 25);
    sButton1->SetCaption(QStringLiteral("Закрыть"));
    sButton1->ModalResult = mrOk;
    sButton1->setFocus();
    // The end of the form data: every control's binding takes its section from the skin.
    FormLoaded(client);
}
