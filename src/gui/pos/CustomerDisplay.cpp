#include "CustomerDisplay.h"

#include "PrintOutput.h"
#include "accounts/Money.h"
#include "shell/Options.h"

#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSerialPort>
#include <QStringEncoder>

// -- sinks -------------------------------------------------------------

MemoDisplaySink::MemoDisplaySink(QPlainTextEdit *memo)
    : m_memo(memo)
{
}

void MemoDisplaySink::show(const QStringList &lines)
{
    if (m_memo)
        m_memo->setPlainText(lines.join(u'\n'));
}

PrinterDisplaySink::PrinterDisplaySink(const QString &printerName)
    : m_name(printerName)
{
}

PrinterDisplaySink::~PrinterDisplaySink() = default;

bool PrinterDisplaySink::isInstalled(const QString &name)
{
    return PrintOutput::PrinterOf(name).has_value();
}

void PrinterDisplaySink::show(const QStringList &lines)
{
    // Only an installed printer of exactly this name receives the text. A
    // display that is not installed shows nothing: the text must never end
    // up on whatever printer happens to be selected (the invoice printer).
    if (!isInstalled(m_name))
        return;
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
        m_printer->setPrinterName(m_name);
    }
    QPainter painter;
    if (!painter.begin(m_printer.get()))
        return;
    painter.drawText(QPointF(0, painter.fontMetrics().ascent()), lines.join(QString()));
    painter.end();
}

SerialDisplaySink::SerialDisplaySink(const QString &portName, int baud)
    : m_portName(portName)
    , m_baud(baud > 0 ? baud : 9600)
{
}

SerialDisplaySink::~SerialDisplaySink() = default;

bool SerialDisplaySink::open()
{
    if (m_port && m_port->isOpen())
        return true;
    m_port = std::make_unique<QSerialPort>(m_portName);
    m_port->setBaudRate(m_baud);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    return m_port->open(QIODevice::WriteOnly);
}

QByteArray SerialDisplaySink::encode(const QStringList &lines)
{
    const QString text = lines.join(QStringLiteral("\r\n"));
    QStringEncoder encoder("windows-1256");
    QByteArray bytes = encoder.isValid() ? QByteArray(encoder(text)) : text.toLatin1();
    bytes.prepend('\x0C');
    return bytes;
}

void SerialDisplaySink::show(const QStringList &lines)
{
    // A display that is unplugged shows nothing; the sale goes on.
    if (!open())
        return;
    m_port->write(encode(lines));
    m_port->flush();
}

// -- the display ------------------------------------------------------

CustomerDisplay::CustomerDisplay(QObject *parent)
    : QObject(parent)
{
}

CustomerDisplay::~CustomerDisplay() = default;

CustomerDisplay::Config CustomerDisplay::configFromOptions()
{
    const Options &o = options();
    Config c;
    c.lines = qBound(1, o.number(QString::fromLatin1(DisplayKeys::Lines), 2), 4);
    c.chars = qMax(1, o.number(QString::fromLatin1(DisplayKeys::Chars), 20));
    c.printer = o.text(QString::fromLatin1(OptKey::PrinterDisplay)).trimmed();
    c.serialPort = o.text(QString::fromLatin1(DisplayKeys::SerialPort)).trimmed();
    c.baud = o.number(QString::fromLatin1(DisplayKeys::SerialBaud), 9600);
    return c;
}

void CustomerDisplay::configure(const Config &config)
{
    const bool sameSink = config.printer == m_config.printer && config.serialPort == m_config.serialPort
                          && config.baud == m_config.baud;
    m_config = config;
    m_config.lines = qBound(1, m_config.lines, 4);
    m_config.chars = qMax(1, m_config.chars);
    if (!sameSink)
        m_sink.reset();
    if (m_memo)
        m_memo->setVisible(memoActive());
}

void CustomerDisplay::setMemo(QPlainTextEdit *memo)
{
    m_memo = memo;
    m_sink.reset();
    if (m_memo)
        m_memo->setVisible(memoActive());
}

bool CustomerDisplay::isMemoName(const QString &printerName)
{
    return printerName.trimmed().compare(QLatin1String(DisplayKeys::MemoName), Qt::CaseInsensitive) == 0;
}

bool CustomerDisplay::memoActive() const
{
    return isMemoName(m_config.printer);
}

DisplaySink *CustomerDisplay::sink()
{
    if (m_override)
        return m_override;
    if (!m_sink) {
        if (memoActive())
            m_sink = std::make_unique<MemoDisplaySink>(m_memo);
        else if (!m_config.serialPort.isEmpty())
            m_sink = std::make_unique<SerialDisplaySink>(m_config.serialPort, m_config.baud);
        else if (!m_config.printer.isEmpty())
            m_sink = std::make_unique<PrinterDisplaySink>(m_config.printer);
    }
    return m_sink.get();
}

QString CustomerDisplay::fit(const QString &text, int width)
{
    if (width <= 0)
        return QString();
    return text.size() >= width ? text.left(width) : text.leftJustified(width, u' ');
}

void CustomerDisplay::SendToDisplay(const QString &line1, const QString &line2, const QString &line3,
                                    const QString &line4)
{
    QStringList lines{line1, line2, line3, line4};
    lines = lines.mid(0, m_config.lines);
    DisplaySink *target = sink();
    if (!target)
        return; // no display configured
    for (QString &line : lines)
        line = fit(line, m_config.chars);
    m_last = lines;
    target->show(lines);
    emit shown(lines);
}

void CustomerDisplay::SendLineToDisplay(const QString &text)
{
    SendToDisplay(text, QString(), QString(), QString());
}

QString CustomerDisplay::itemLine(const QString &description, double quantity, double rate, int decimals,
                                  int width)
{
    const QString price = Money::format(rate, qMax(0, decimals));
    QString amount = QString::number(quantity, 'f', 2);
    if (amount.endsWith(QLatin1String(".00")))
        amount.chop(3);
    const QString right = amount + QStringLiteral("x ") + price;
    const int room = qMax(0, width - int(right.size()) - 1);
    return fit(description, room) + u' ' + right;
}

QString CustomerDisplay::totalLine(const QString &totalText, int width)
{
    QString line = QStringLiteral("Total: ") + totalText;
    if (line.size() >= width)
        return QStringLiteral("Total: !!!!");
    const int colon = line.indexOf(u':');
    line.insert(colon + 1, QString(width - line.size(), u' '));
    return line;
}

void CustomerDisplay::DisplayText(const QString &description, double quantity, double rate,
                                  const QString &totalText, int decimals)
{
    SendToDisplay(itemLine(description, quantity, rate, decimals, m_config.chars),
                  totalLine(totalText, m_config.chars), QString(), QString());
}
