#!/bin/sh
# Draws the pictures of the generated solution's skeleton with ImageMagick and
# writes the resource files that carry the form icon. Run from this directory
# after changing a drawing; it rewrites:
#   bak/LoginFrame/LoginFrame/pic/NoImage.jpg   default picture of the add forms
#   bak/LoginFrame/LoginFrame/LoginFrame.ico    the program's icon
#   template/LoginFrame/LoginFrame/Frm{Add,Edit,Query}.resx   copied once per class
#   bak/LoginFrame/LoginFrame/Frm{Login,主面}.resx
# Every .resx holds one entry, "$this.Icon": the icon above (16, 32 and 48
# pixels, 32-bit BMP entries), base64 in the usual byte-array form.
set -eu
font=/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc
ui=bak/LoginFrame/LoginFrame
mkdir -p "$ui/pic"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The icon: a blue tile with a small white form on it, a title bar and two
# entry rows (label and text box). Drawn at 64 pixels and scaled down.
convert -size 64x64 xc:none \
  -fill '#1f6fd1' -draw 'roundrectangle 1,1 62,62 12,12' \
  -fill white -draw 'roundrectangle 10,12 53,52 4,4' \
  -fill '#8fb8ee' -draw 'rectangle 10,12 53,21' -draw 'roundrectangle 10,12 53,21 4,4' \
  -fill '#1f6fd1' -draw 'rectangle 15,27 23,31' -draw 'rectangle 15,38 23,42' \
  -fill '#d4e3f7' -stroke '#1f6fd1' -strokewidth 1.5 \
  -draw 'rectangle 27,26 48,32' -draw 'rectangle 27,37 48,43' \
  "$tmp/icon64.png"
for s in 48 32 16; do
  convert "$tmp/icon64.png" -filter Lanczos -resize ${s}x$s -define png:color-type=6 "$tmp/icon$s.png"
done
# BMP entries (not PNG) so that every runtime's Icon class can read them.
convert "$tmp/icon16.png" "$tmp/icon32.png" "$tmp/icon48.png" -define icon:format=bmp "$ui/LoginFrame.ico"

# The default picture: a light frame with a mountain-and-sun sign and the
# words 暂无图片 ("no picture yet"), the size of the add form's picture box.
convert -size 156x140 xc:'#f4f6f9' \
  -fill none -stroke '#c3ccd8' -strokewidth 2 -draw 'rectangle 1,1 154,138' \
  -stroke none -fill '#c3ccd8' -draw 'polygon 40,88 66,54 84,76 96,62 118,88' \
  -fill '#e0b84a' -draw 'circle 104,42 104,33' \
  -font "$font" -pointsize 15 -fill '#7d8a9c' -gravity south -annotate +0+18 '暂无图片' \
  -quality 90 "$ui/pic/NoImage.jpg"

# One .resx text, CR LF line ends, UTF-8 with a byte-order mark.
icon64=$(base64 -w 80 "$ui/LoginFrame.ico" | sed 's/^/        /')
{
  printf '\357\273\277'
  sed 's/$/\r/' <<RESX
<?xml version="1.0" encoding="utf-8"?>
<root>
  <xsd:schema id="root" xmlns="" xmlns:xsd="http://www.w3.org/2001/XMLSchema" xmlns:msdata="urn:schemas-microsoft-com:xml-msdata">
    <xsd:import namespace="http://www.w3.org/XML/1998/namespace" />
    <xsd:element name="root" msdata:IsDataSet="true">
      <xsd:complexType>
        <xsd:choice maxOccurs="unbounded">
          <xsd:element name="metadata">
            <xsd:complexType>
              <xsd:sequence>
                <xsd:element name="value" type="xsd:string" minOccurs="0" />
              </xsd:sequence>
              <xsd:attribute name="name" use="required" type="xsd:string" />
              <xsd:attribute name="type" type="xsd:string" />
              <xsd:attribute name="mimetype" type="xsd:string" />
              <xsd:attribute ref="xml:space" />
            </xsd:complexType>
          </xsd:element>
          <xsd:element name="assembly">
            <xsd:complexType>
              <xsd:attribute name="alias" type="xsd:string" />
              <xsd:attribute name="name" type="xsd:string" />
            </xsd:complexType>
          </xsd:element>
          <xsd:element name="data">
            <xsd:complexType>
              <xsd:sequence>
                <xsd:element name="value" type="xsd:string" minOccurs="0" msdata:Ordinal="1" />
                <xsd:element name="comment" type="xsd:string" minOccurs="0" msdata:Ordinal="2" />
              </xsd:sequence>
              <xsd:attribute name="name" type="xsd:string" use="required" msdata:Ordinal="1" />
              <xsd:attribute name="type" type="xsd:string" msdata:Ordinal="3" />
              <xsd:attribute name="mimetype" type="xsd:string" msdata:Ordinal="4" />
              <xsd:attribute ref="xml:space" />
            </xsd:complexType>
          </xsd:element>
          <xsd:element name="resheader">
            <xsd:complexType>
              <xsd:sequence>
                <xsd:element name="value" type="xsd:string" minOccurs="0" msdata:Ordinal="1" />
              </xsd:sequence>
              <xsd:attribute name="name" type="xsd:string" use="required" />
            </xsd:complexType>
          </xsd:element>
        </xsd:choice>
      </xsd:complexType>
    </xsd:element>
  </xsd:schema>
  <resheader name="resmimetype">
    <value>text/microsoft-resx</value>
  </resheader>
  <resheader name="version">
    <value>2.0</value>
  </resheader>
  <resheader name="reader">
    <value>System.Resources.ResXResourceReader, System.Windows.Forms, Version=4.0.0.0, Culture=neutral, PublicKeyToken=b77a5c561934e089</value>
  </resheader>
  <resheader name="writer">
    <value>System.Resources.ResXResourceWriter, System.Windows.Forms, Version=4.0.0.0, Culture=neutral, PublicKeyToken=b77a5c561934e089</value>
  </resheader>
  <assembly alias="System.Drawing" name="System.Drawing, Version=4.0.0.0, Culture=neutral, PublicKeyToken=b03f5f7f11d50a3a" />
  <data name="\$this.Icon" type="System.Drawing.Icon, System.Drawing" mimetype="application/x-microsoft.net.object.bytearray.base64">
    <value>
$icon64
</value>
  </data>
</root>
RESX
} >"$tmp/form.resx"
for f in template/LoginFrame/LoginFrame/FrmAdd.resx template/LoginFrame/LoginFrame/FrmEdit.resx \
  template/LoginFrame/LoginFrame/FrmQuery.resx "$ui/FrmLogin.resx" "$ui/Frm主面.resx"; do
  cp "$tmp/form.resx" "$f"
done
