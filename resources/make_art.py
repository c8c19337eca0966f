# Draws the program's own artwork into resources/art (python3 resources/make_art.py resources/art).
# Plain SVG for Qt SVG Tiny: gradients and paths only, no clip paths, masks or filters.
import math, os, sys
OUT = sys.argv[1]

NAVY = "#0b2454"; BLUE = "#1f4e99"; MID = "#3d6fc0"; LIGHT = "#8fb3e8"; PALE = "#dce8f8"
YEL = "#ffd24a"; YEL_D = "#b07d00"; GREY = "#c3ccd8"; GREY_D = "#5a6678"

def grad(id, c1, c2, x2=0, y2=1):
    return f'<linearGradient id="{id}" x1="0" y1="0" x2="{x2}" y2="{y2}"><stop offset="0" stop-color="{c1}"/><stop offset="1" stop-color="{c2}"/></linearGradient>'

G_BLUE = grad("gb", "#4f83d1", BLUE)
G_PAPER = grad("gp", "#ffffff", "#e3e9f2")
G_YEL = grad("gy", "#ffe486", "#f6b90f")
G_GREY = grad("gg", "#f3f5f8", "#bcc6d3")
G_RED = grad("gr", "#ee6a5f", "#b8322a")
G_GREEN = grad("gn", "#4fbf7f", "#23804a")
G_GLASS = '<radialGradient id="gl" cx="0.35" cy="0.35" r="0.75"><stop offset="0" stop-color="#ffffff"/><stop offset="1" stop-color="#bcd3f3"/></radialGradient>'

def svg(name, w, h, body, defs=(), vw=None, vh=None):
    vw = vw or w; vh = vh or h
    d = "<defs>" + "".join(defs) + "</defs>" if defs else ""
    text = (f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'width="{w}" height="{h}" viewBox="0 0 {vw} {vh}">\n{d}\n{body.strip()}\n</svg>\n')
    with open(os.path.join(OUT, name + ".svg"), "w") as f:
        f.write(text)

def icon(name, body, defs=(G_BLUE, G_PAPER, G_YEL, G_GREY), size=32):
    svg(name, size, size, body, defs)

def star(cx, cy, ro, ri, n=5, rot=-90):
    pts = []
    for k in range(2 * n):
        r = ro if k % 2 == 0 else ri
        a = math.radians(rot + k * 180 / n)
        pts.append(f"{cx + r * math.cos(a):.2f} {cy + r * math.sin(a):.2f}")
    return "M" + " L".join(pts) + "Z"

S = f'stroke="{NAVY}" stroke-width="1.3" stroke-linejoin="round"'
SP = f'stroke="{BLUE}" stroke-width="1.3" stroke-linejoin="round"'   # paper outline
SY = f'stroke="{YEL_D}" stroke-width="1.2" stroke-linejoin="round"'

PAGE = f'<path d="M6.5 2.5h12l6 6v21h-18z" fill="url(#gp)" {SP}/><path d="M18.5 2.5v6h6" fill="{PALE}" {SP}/>'
LINES = f'<path d="M10 13h10M10 17h10M10 21h7" stroke="{LIGHT}" stroke-width="1.6" stroke-linecap="round"/>'

# --- documents ---
icon("nuovo", PAGE + LINES + f'''
<circle cx="23" cy="23" r="7" fill="url(#gy)" {SY}/>
<path d="M23 19.3v7.4M19.3 23h7.4" stroke="{NAVY}" stroke-width="2.2" stroke-linecap="round"/>''')

icon("salva", f'''
<path d="M6 3.5h17.5l5 5V26a2.5 2.5 0 0 1-2.5 2.5H6A2.5 2.5 0 0 1 3.5 26V6A2.5 2.5 0 0 1 6 3.5z" fill="url(#gb)" {S}/>
<rect x="9" y="3.5" width="13" height="8.5" rx="1" fill="url(#gg)" {S}/>
<rect x="17.3" y="5.3" width="2.8" height="5" rx=".6" fill="{BLUE}"/>
<rect x="7.5" y="16" width="17" height="12.5" rx="1.2" fill="#ffffff" {S}/>
<rect x="8.2" y="16.7" width="15.6" height="2.8" fill="{YEL}"/>
<path d="M10.5 22.5h11M10.5 25.5h11" stroke="{LIGHT}" stroke-width="1.3" stroke-linecap="round"/>''')

icon("duplica", f'''
<path d="M3.5 2.5h11l5 5v16h-16z" fill="{PALE}" {SP}/>
<path d="M14.5 2.5v5h5" fill="#c2d5f0" {SP}/>
<path d="M11.5 8.5h11l5 5v16h-16z" fill="url(#gp)" {SP}/>
<path d="M22.5 8.5v5h5" fill="{PALE}" {SP}/>
<path d="M14.5 18h10M14.5 21.5h10M14.5 25h7" stroke="{LIGHT}" stroke-width="1.6" stroke-linecap="round"/>''')

# --- navigation: round blue buttons with white glyphs ---
NAV_BG = f'''<circle cx="16" cy="16" r="13.5" fill="url(#gb)" {S}/>
<path d="M5.5 13a11 9 0 0 1 21 0" fill="#ffffff" fill-opacity=".18"/>'''
W = 'fill="#ffffff" stroke="#ffffff" stroke-width="1" stroke-linejoin="round"'
icon("primo", NAV_BG + f'<rect x="9" y="10" width="3" height="12" rx=".8" {W}/><path d="M22.5 10v12l-9-6z" {W}/>')
icon("indietro", NAV_BG + f'<path d="M19.5 9.5v13l-9.5-6.5z" {W}/>')
icon("avanti", NAV_BG + f'<path d="M12.5 9.5v13l9.5-6.5z" {W}/>')
icon("ultimo", NAV_BG + f'<rect x="20" y="10" width="3" height="12" rx=".8" {W}/><path d="M9.5 10v12l9-6z" {W}/>')

# --- search ---
def magnifier(cx, cy, r, sw, hand, plus=False):
    a = cx + r * 0.72; b = cy + r * 0.72
    s = f'''<path d="M{a:.1f} {b:.1f}L{a+hand:.1f} {b+hand:.1f}" stroke="{NAVY}" stroke-width="{sw+2.2:.1f}" stroke-linecap="round"/>
<path d="M{a+0.6:.1f} {b+0.6:.1f}L{a+hand-0.3:.1f} {b+hand-0.3:.1f}" stroke="{YEL}" stroke-width="{sw:.1f}" stroke-linecap="round"/>
<circle cx="{cx}" cy="{cy}" r="{r}" fill="url(#gl)" stroke="{BLUE}" stroke-width="{sw:.1f}"/>
<circle cx="{cx}" cy="{cy}" r="{r+sw/2:.2f}" fill="none" stroke="{NAVY}" stroke-width="1"/>
<path d="M{cx-r*0.55:.1f} {cy-r*0.1:.1f}a{r*0.58:.1f} {r*0.58:.1f} 0 0 1 {r*0.5:.1f} -{r*0.48:.1f}" fill="none" stroke="#ffffff" stroke-width="{sw*0.6:.1f}" stroke-linecap="round"/>'''
    if plus:
        s += f'<path d="M{cx} {cy-r*0.5:.1f}v{r:.1f}M{cx-r*0.5:.1f} {cy}h{r:.1f}" stroke="{NAVY}" stroke-width="2.4" stroke-linecap="round"/>'
    return s
MDEFS = (G_BLUE, G_PAPER, G_YEL, G_GREY, G_GLASS)
icon("cerca", magnifier(13, 13, 8.5, 2.8, 10), MDEFS)
icon("zoom", magnifier(13, 13, 8.5, 2.8, 10, plus=True), MDEFS)
icon("anteprima", PAGE + f'<path d="M10 9h6M10 13h6" stroke="{LIGHT}" stroke-width="1.6" stroke-linecap="round"/>' + magnifier(18, 19, 5.6, 2.2, 6.5), MDEFS)
icon("trova", f'''
<rect x="6" y="4.5" width="7" height="9" rx="2" fill="{BLUE}" {S}/>
<rect x="19" y="4.5" width="7" height="9" rx="2" fill="{BLUE}" {S}/>
<rect x="12" y="12" width="8" height="7" rx="1.5" fill="{NAVY}"/>
<rect x="2.5" y="11" width="12" height="17" rx="5" fill="url(#gb)" {S}/>
<rect x="17.5" y="11" width="12" height="17" rx="5" fill="url(#gb)" {S}/>
<circle cx="8.5" cy="22" r="3.8" fill="url(#gl)" stroke="{YEL}" stroke-width="1.6"/>
<circle cx="23.5" cy="22" r="3.8" fill="url(#gl)" stroke="{YEL}" stroke-width="1.6"/>
<circle cx="7.3" cy="20.8" r="1" fill="#ffffff"/><circle cx="22.3" cy="20.8" r="1" fill="#ffffff"/>''', MDEFS)

icon("sfoglia", f'''
<path d="M3.5 8A1.5 1.5 0 0 1 5 6.5h7l2.5 2.5H26A1.5 1.5 0 0 1 27.5 10.5V25A1.5 1.5 0 0 1 26 26.5H5A1.5 1.5 0 0 1 3.5 25z" fill="url(#gy)" {SY}/>
<path d="M3.5 12.5h24" stroke="{YEL_D}" stroke-width="1.2"/>''' + magnifier(20, 19, 5.2, 2.2, 5.5), MDEFS)

# --- print ---
icon("stampa", f'''
<path d="M9.5 3.5h10l3 3v6h-13z" fill="#ffffff" {SP}/>
<rect x="3.5" y="11.5" width="25" height="12" rx="2.5" fill="url(#gb)" {S}/>
<rect x="6" y="13.5" width="20" height="2" rx="1" fill="#ffffff" fill-opacity=".25"/>
<circle cx="24.5" cy="18.5" r="1.4" fill="{YEL}"/>
<rect x="8.5" y="19.5" width="15" height="9" rx=".8" fill="url(#gp)" {SP}/>
<path d="M11 23h10M11 26h7" stroke="{LIGHT}" stroke-width="1.4" stroke-linecap="round"/>''')

icon("pdf", f'''
<path d="M7.5 2.5h12l6 6v21h-18z" fill="url(#gp)" {SP}/><path d="M19.5 2.5v6h6" fill="{PALE}" {SP}/>
<rect x="3" y="14" width="21" height="10" rx="1.8" fill="url(#gr)" stroke="#8e241d" stroke-width="1"/>
<text x="13.5" y="21.9" font-family="Liberation Sans" font-size="8" font-weight="bold" fill="#ffffff" text-anchor="middle">PDF</text>''',
     (G_PAPER, G_RED))

# --- attach / import ---
clip = "M14 10V22a3 3 0 0 0 6 0V7a5 5 0 0 0-10 0V23a7 7 0 0 0 14 0V11"
icon("allega", f'''
<g transform="rotate(40 17 16)">
<path d="{clip}" fill="none" stroke="{NAVY}" stroke-width="3.6" stroke-linecap="round" stroke-linejoin="round"/>
<path d="{clip}" fill="none" stroke="#6f9be0" stroke-width="1.8" stroke-linecap="round" stroke-linejoin="round"/>
</g>''')

icon("importa", f'''
<path d="M3.5 18.5h7.5l2 3h6l2-3h7.5V26a2.5 2.5 0 0 1-2.5 2.5H6A2.5 2.5 0 0 1 3.5 26z" fill="url(#gb)" {S}/>
<path d="M13 2.5h6v8h5l-8 8.5-8-8.5h5z" fill="url(#gy)" {S}/>''')

# --- time ---
CAL = f'''<rect x="3.5" y="5.5" width="25" height="23" rx="2.5" fill="url(#gp)" {S}/>
<path d="M3.5 8A2.5 2.5 0 0 1 6 5.5h20A2.5 2.5 0 0 1 28.5 8v4.5h-25z" fill="url(#gb)" {S}/>
<rect x="8.5" y="2.5" width="3" height="6" rx="1.5" fill="url(#gg)" {S}/>
<rect x="20.5" y="2.5" width="3" height="6" rx="1.5" fill="url(#gg)" {S}/>'''
cells = "".join(f'<rect x="{x}" y="{y}" width="3.4" height="2.8" rx=".5" fill="{LIGHT}"/>'
                for y in (15.5, 19.5, 23.5) for x in (6.5, 11.5, 16.5, 21.5) if (x, y) != (16.5, 19.5))
icon("calendario", CAL + cells + f'<rect x="15.7" y="18.7" width="5" height="4.4" rx=".8" fill="{YEL}" stroke="{NAVY}" stroke-width="1"/>')

CARD_SMALL = f'''<rect x="2.5" y="6.5" width="23" height="16" rx="2.2" fill="url(#gb)" {S}/>
<rect x="5" y="10" width="6" height="8" rx=".8" fill="{PALE}"/>
<circle cx="8" cy="12.6" r="1.6" fill="{LIGHT}"/><path d="M5.6 18a2.4 2.4 0 0 1 4.8 0z" fill="{LIGHT}"/>
<path d="M13.5 11h8.5M13.5 14.5h8.5M13.5 18h5" stroke="#ffffff" stroke-width="1.4" stroke-linecap="round"/>'''
icon("scadute", CARD_SMALL + f'''
<circle cx="23" cy="22.5" r="7.3" fill="url(#gy)" {SY}/>
<circle cx="23" cy="22.5" r="5" fill="#ffffff" stroke="{NAVY}" stroke-width="1.1"/>
<path d="M23 19.3v3.4l2.3 1.6" fill="none" stroke="{NAVY}" stroke-width="1.6" stroke-linecap="round" stroke-linejoin="round"/>''')

# --- spreadsheet and mail ---
rows = "".join(f'<path d="M4.5 {y}h20" stroke="#a9cdb8" stroke-width="1"/>' for y in (15, 19, 23))
icon("excel", f'''
<rect x="3.5" y="4.5" width="22" height="23" rx="2" fill="#ffffff" stroke="#1e6e40" stroke-width="1.3"/>
<path d="M3.5 6.5a2 2 0 0 1 2-2h18a2 2 0 0 1 2 2v4.5h-22z" fill="url(#gn)" stroke="#1e6e40" stroke-width="1.3"/>
{rows}<path d="M10.5 11v16M17.5 11v16" stroke="#a9cdb8" stroke-width="1"/>
<circle cx="23.5" cy="23.5" r="6.5" fill="url(#gb)" {S}/>
<path d="M23.5 19.8v6.4M20.6 23.4l2.9 2.9 2.9-2.9" fill="none" stroke="#ffffff" stroke-width="1.9" stroke-linecap="round" stroke-linejoin="round"/>''',
     (G_BLUE, G_GREEN))

rows_in = "".join(f'<path d="M9.5 {y}h18" stroke="#a9cdb8" stroke-width="1"/>' for y in (15, 19, 23))
icon("importa_foglio", f'''
<rect x="8.5" y="4.5" width="20" height="23" rx="2" fill="#ffffff" stroke="#1e6e40" stroke-width="1.3"/>
<path d="M8.5 6.5a2 2 0 0 1 2-2h16a2 2 0 0 1 2 2v4.5h-20z" fill="url(#gn)" stroke="#1e6e40" stroke-width="1.3"/>
{rows_in}<path d="M15.5 11v16M22 11v16" stroke="#a9cdb8" stroke-width="1"/>
<path d="M2.5 16h7.5v-4.5l7.5 7-7.5 7V21H2.5z" fill="url(#gy)" {S}/>''',
     (G_YEL, G_GREEN))

icon("email", f'''
<rect x="2.5" y="7.5" width="27" height="18" rx="2.2" fill="url(#gp)" {SP}/>
<path d="M3.5 24.5l9.5-8.5M28.5 24.5l-9.5-8.5" stroke="{LIGHT}" stroke-width="1.3"/>
<path d="M3 8.5l13 10 13-10" fill="{PALE}" {SP}/>
<rect x="22" y="10.5" width="4" height="0" fill="none"/>''')

# --- identity and payment checks: a yellow tick badge marks them as checks ---
TICK = f'''<circle cx="24.5" cy="24.5" r="6" fill="url(#gy)" {SY}/>
<path d="M21.6 24.6l2 2 3.8-4.2" fill="none" stroke="{NAVY}" stroke-width="1.9" stroke-linecap="round" stroke-linejoin="round"/>'''
bars = "".join(f'<rect x="{x}" y="13" width="{w}" height="5.5" fill="{NAVY}"/>' for x, w in ((16, 1), (17.8, 1.6), (20.2, .8), (21.8, 1.2), (23.8, .8), (25.4, 1.4)))
icon("codfisc", f'''
<rect x="2.5" y="6.5" width="27" height="18" rx="2.2" fill="url(#gp)" {S}/>
<path d="M2.5 8.7A2.2 2.2 0 0 1 4.7 6.5h22.6a2.2 2.2 0 0 1 2.2 2.2v1.8h-27z" fill="url(#gb)" {S}/>
<text x="8.7" y="20.6" font-family="Liberation Sans" font-size="8" font-weight="bold" fill="{NAVY}" text-anchor="middle">CF</text>
{bars}''' + TICK)

icon("partitaiva", f'''
<path d="M5.5 2.5h17v25l-2.1-1.6-2.1 1.6-2.1-1.6-2.1 1.6-2.1-1.6-2.1 1.6-2.2-1.6-2.2 1.6z" fill="url(#gp)" {SP}/>
<text x="14" y="12.5" font-family="Liberation Sans" font-size="7.5" font-weight="bold" fill="{BLUE}" text-anchor="middle">IVA</text>
<path d="M8.5 16.5h11M8.5 20h7" stroke="{LIGHT}" stroke-width="1.5" stroke-linecap="round"/>''' + TICK)

icon("iban", f'''
<path d="M2.5 11L14 4l11.5 7z" fill="url(#gb)" {S}/>
<rect x="3.5" y="11" width="21" height="2.5" fill="{BLUE}" {S}/>
<path d="M6 14.5v8M10.5 14.5v8M17.5 14.5v8M22 14.5v8" stroke="{LIGHT}" stroke-width="2.4"/>
<path d="M6 14.5v8M10.5 14.5v8M17.5 14.5v8M22 14.5v8" stroke="#ffffff" stroke-width=".9"/>
<rect x="2.5" y="22.5" width="23" height="3.5" rx=".8" fill="{BLUE}" {S}/>
<circle cx="14" cy="8.6" r="1.4" fill="{YEL}"/>''' + TICK)

icon("carta", f'''
<rect x="2.5" y="6.5" width="27" height="18" rx="2.5" fill="url(#gb)" {S}/>
<rect x="2.5" y="9.5" width="27" height="3.5" fill="{NAVY}"/>
<rect x="5.5" y="15" width="5.5" height="4.2" rx="1" fill="url(#gy)" stroke="{YEL_D}" stroke-width=".8"/>
<path d="M5.5 22h4M11 22h4" stroke="#ffffff" stroke-width="1.3" stroke-linecap="round"/>''' + TICK)

# --- photo ---
icon("webcam", f'''
<path d="M16 22v4" stroke="{NAVY}" stroke-width="2.6"/>
<rect x="8.5" y="25.5" width="15" height="4" rx="2" fill="url(#gb)" {S}/>
<circle cx="16" cy="13" r="10.5" fill="url(#gb)" {S}/>
<circle cx="16" cy="13" r="6.3" fill="url(#gg)" stroke="{NAVY}" stroke-width="1"/>
<circle cx="16" cy="13" r="4.2" fill="{NAVY}"/>
<circle cx="16" cy="13" r="2.6" fill="#3f7fe0"/>
<circle cx="14.9" cy="11.9" r="1" fill="#ffffff"/>
<circle cx="22.5" cy="6.8" r="1.2" fill="{YEL}"/>''')

icon("camera", f'''
<path d="M11 8.5l2-3.5h6l2 3.5" fill="url(#gb)" {S}/>
<rect x="2.5" y="8.5" width="27" height="19" rx="3" fill="url(#gg)" {S}/>
<path d="M2.5 12.5h27" stroke="{NAVY}" stroke-width="1"/>
<rect x="5" y="10" width="4" height="1.4" rx=".6" fill="{YEL}"/>
<circle cx="16" cy="18" r="7" fill="url(#gb)" {S}/>
<circle cx="16" cy="18" r="4.3" fill="{NAVY}"/>
<circle cx="16" cy="18" r="2.7" fill="#3f7fe0"/>
<circle cx="14.8" cy="16.8" r="1" fill="#ffffff"/>''')

PHOTO = f'''<rect x="2.5" y="2.5" width="19" height="24" rx="1.5" fill="#ffffff" {SP}/>
<rect x="4.5" y="4.5" width="15" height="20" fill="{PALE}"/>
<circle cx="12" cy="11.5" r="3.6" fill="{MID}"/>
<path d="M5.5 24.5c0-5 3-7.8 6.5-7.8s6.5 2.8 6.5 7.8z" fill="{MID}"/>'''
icon("foto_carica", PHOTO + f'''
<path d="M16.5 19.5A1.2 1.2 0 0 1 17.7 18.3h3.6l1.5 1.6h5.5a1.2 1.2 0 0 1 1.2 1.2V28.3a1.2 1.2 0 0 1-1.2 1.2H17.7a1.2 1.2 0 0 1-1.2-1.2z" fill="url(#gy)" {SY}/>
<path d="M16.5 22.3h13" stroke="{YEL_D}" stroke-width="1"/>''')
icon("foto_salva", PHOTO + f'''
<path d="M18 17.5h9l2.5 2.5v8a1.5 1.5 0 0 1-1.5 1.5H18A1.5 1.5 0 0 1 16.5 28V19A1.5 1.5 0 0 1 18 17.5z" fill="url(#gb)" {S}/>
<rect x="19.5" y="17.5" width="6.5" height="4" fill="url(#gg)" stroke="{NAVY}" stroke-width=".9"/>
<rect x="18.8" y="24" width="8.4" height="5.5" fill="#ffffff" stroke="{NAVY}" stroke-width=".9"/>''')
icon("foto_cancella", PHOTO + f'''
<circle cx="23.5" cy="23.5" r="6.8" fill="url(#gr)" stroke="#8e241d" stroke-width="1.1"/>
<path d="M20.9 20.9l5.2 5.2M26.1 20.9l-5.2 5.2" stroke="#ffffff" stroke-width="2.1" stroke-linecap="round"/>''',
     (G_RED,))

# --- erase, delete, close, open ---
icon("cancella", f'''
<path d="M3 29h26" stroke="{LIGHT}" stroke-width="1.8" stroke-linecap="round" stroke-dasharray="3 2.5"/>
<g transform="rotate(-35 16 15)">
<rect x="3.5" y="9" width="25" height="12" rx="2.2" fill="url(#gp)" {SP}/>
<path d="M14 9h12.3a2.2 2.2 0 0 1 2.2 2.2v7.6a2.2 2.2 0 0 1-2.2 2.2H14z" fill="url(#gb)" {S}/>
<path d="M16.5 12.5h8" stroke="#ffffff" stroke-opacity=".35" stroke-width="1.4" stroke-linecap="round"/>
</g>''')

icon("elimina", f'''
<rect x="12.5" y="2.5" width="7" height="3.5" rx="1.2" fill="none" {S}/>
<rect x="4.5" y="5.5" width="23" height="4" rx="1.5" fill="url(#gb)" {S}/>
<path d="M6.5 9.5h19l-1.6 17.2a2 2 0 0 1-2 1.8H10.1a2 2 0 0 1-2-1.8z" fill="url(#gg)" {S}/>
<path d="M11.5 13v12M16 13v12M20.5 13v12" stroke="{MID}" stroke-width="1.8" stroke-linecap="round"/>''')

icon("chiudi", f'''
<circle cx="16" cy="16" r="13.5" fill="url(#gr)" stroke="#8e241d" stroke-width="1.3"/>
<path d="M5.5 13a11 9 0 0 1 21 0" fill="#ffffff" fill-opacity=".18"/>
<path d="M11 11l10 10M21 11L11 21" stroke="#ffffff" stroke-width="3" stroke-linecap="round"/>''', (G_RED,))

icon("apri", f'''
<path d="M3.5 7A1.5 1.5 0 0 1 5 5.5h7l2.5 2.5H25A1.5 1.5 0 0 1 26.5 9.5v4H3.5z" fill="#e9a817" {SY}/>
<path d="M3.5 9v17.5h23v-13" fill="#e9a817" {SY}/>
<path d="M8.5 3.5h12l2.5 2.5v12h-14.5z" fill="#ffffff" {SP}/>
<path d="M11 8h9M11 11h9" stroke="{LIGHT}" stroke-width="1.3" stroke-linecap="round"/>
<path d="M6.5 13.5h24l-4 13h-23z" fill="url(#gy)" {SY}/>''')

# --- shell ---
icon("guida", NAV_BG + f'''
<path d="M12 12.3a4 4 0 1 1 5.6 3.7c-1.1.5-1.6 1.3-1.6 2.5v.8" fill="none" stroke="#ffffff" stroke-width="3" stroke-linecap="round" stroke-linejoin="round"/>
<circle cx="16" cy="23.5" r="1.9" fill="{YEL}"/>''')
icon("info", NAV_BG + f'''
<circle cx="16" cy="9.3" r="2.1" fill="{YEL}"/>
<path d="M13.5 13.5h3.5v9M13 22.5h7" fill="none" stroke="#ffffff" stroke-width="2.8" stroke-linecap="round" stroke-linejoin="round"/>''')

icon("esci", f'''
<rect x="3.5" y="3.5" width="15" height="25" rx="1" fill="{PALE}" {S}/>
<path d="M3.5 3.5l9 3.2v24.8l-9-3z" fill="url(#gb)" {S}/>
<circle cx="10.3" cy="17.5" r="1.1" fill="{YEL}"/>
<path d="M15.5 13.5h6.5V9.5l7 6.5-7 6.5v-4h-6.5z" fill="url(#gy)" {S}/>''')

icon("crediti", f'''
<path d="M13 2.5h8l7 15h-8z" fill="{MID}" {S}/>
<path d="M35 2.5h-8l-7 15h8z" fill="url(#gb)" {S}/>
<circle cx="24" cy="30" r="13.5" fill="url(#gy)" {SY}/>
<circle cx="24" cy="30" r="10" fill="none" stroke="#ffffff" stroke-opacity=".55" stroke-width="1.4"/>
<path d="{star(24, 30.6, 7.2, 3.0)}" fill="{BLUE}" stroke="{NAVY}" stroke-width="1" stroke-linejoin="round"/>''', size=48)

# The backups: an archive box of the data with the arrow that brings them back.
icon("copie", f'''
<path d="M6.5 8V2.5h10.5l3.5 3.5V8" fill="url(#gp)" {SP}/>
<path d="M9.5 5h6" stroke="{LIGHT}" stroke-width="1.4" stroke-linecap="round"/>
<rect x="3" y="7.5" width="22" height="5.5" rx="1" fill="{MID}" {S}/>
<rect x="4.5" y="13" width="19" height="15.5" rx="1.2" fill="url(#gb)" {S}/>
<rect x="10" y="16" width="8" height="4" rx=".8" fill="url(#gy)" {SY}/>
<circle cx="23" cy="22.5" r="7.5" fill="url(#gn)" stroke="#1b5e37" stroke-width="1.2"/>
<path d="M24.9 19.2A3.8 3.8 0 1 1 21.1 19.2" fill="none" stroke="#ffffff" stroke-width="2" stroke-linecap="round"/>
<path d="M23.4 17.9l-1.5 3.2-2.1-3.3z" fill="#ffffff" stroke="#ffffff" stroke-width=".8" stroke-linejoin="round"/>''', defs=(G_BLUE, G_PAPER, G_YEL, G_GREEN))

icon("sito_icon", f'''
<circle cx="15" cy="15" r="12.5" fill="url(#gb)" {S}/>
<ellipse cx="15" cy="15" rx="5.3" ry="12.2" fill="none" stroke="#ffffff" stroke-opacity=".85" stroke-width="1.2"/>
<path d="M15 2.7v24.6M2.6 15h24.8M4.5 8.5h21M4.5 21.5h21" fill="none" stroke="#ffffff" stroke-opacity=".85" stroke-width="1.2"/>
<path d="M18.5 17l10.5 4.2-4.6 1.7 3.6 4.4-2 1.6-3.6-4.4-2.4 4.3z" fill="url(#gy)" {S}/>''')

# --- placeholders ---
svg("foto_vuota", 120, 160, f'''
<rect width="120" height="160" fill="url(#fb)"/>
<circle cx="60" cy="62" r="25" fill="url(#fs)"/>
<path d="M12 160C12 118 34 98 60 98s48 20 48 62z" fill="url(#fs)"/>''',
    (grad("fb", "#f1f4f8", "#d9e0ea"), grad("fs", "#b9c4d3", "#97a5b9")))

svg("logo_vuoto", 119, 118, f'''
<rect x="1" y="1" width="117" height="116" rx="10" fill="#f6f8fb" stroke="#b9c2cf" stroke-width="2" stroke-dasharray="6 4"/>
<path d="M59.5 18l26 9v19c0 17-11 29-26 35-15-6-26-18-26-35V27z" fill="#e4e9f0" stroke="#aab4c2" stroke-width="2" stroke-linejoin="round"/>
<path d="{star(59.5, 48, 12, 5)}" fill="#c4ccd8"/>
<text x="59.5" y="103" font-family="Liberation Sans" font-size="15" font-weight="bold" fill="#9aa5b5" text-anchor="middle" letter-spacing="3">LOGO</text>''')

# --- the program's logo: a yellow Q holding three members ---
def person(cx, cy, r, fill):
    return (f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{fill}"/>'
            f'<path d="M{cx - 1.9*r:.1f} {cy + 3.6*r:.1f}a{1.9*r:.1f} {1.75*r:.1f} 0 0 1 {3.8*r:.1f} 0z" fill="{fill}"/>')
svg("logo", 128, 128, f'''
<circle cx="64" cy="64" r="61" fill="url(#lb)" stroke="#ffffff" stroke-opacity=".75" stroke-width="2.5"/>
<circle cx="64" cy="64" r="57" fill="none" stroke="#ffffff" stroke-opacity=".14" stroke-width="2"/>
<path d="M14 52a51 44 0 0 1 100 0" fill="#ffffff" fill-opacity=".07"/>
{person(47, 53, 5.2, "#b9cff2")}{person(81, 53, 5.2, "#b9cff2")}{person(64, 49, 6.6, "#ffffff")}
<circle cx="64" cy="60" r="29" fill="none" stroke="url(#ly)" stroke-width="11"/>
<path d="M80 79l17 19" stroke="url(#ly)" stroke-width="12" stroke-linecap="round"/>''',
    ('<linearGradient id="lb" x1="0" y1="0" x2="0.7" y2="1"><stop offset="0" stop-color="#3569bf"/><stop offset="1" stop-color="#0b2454"/></linearGradient>',
     grad("ly", "#ffe27a", "#f5b400")))

# ===================== main menu =====================
TILE_DEFS = (grad("tb", "#ffffff", "#e4ecf7"), G_BLUE, G_PAPER, G_YEL, G_GREY,
             grad("dk", "#2a5cab", NAVY), grad("cv", "#2f62b3", "#0d2a60", 1, 1))
TILE = ('<rect x="3" y="3" width="144" height="144" rx="24" fill="url(#tb)" stroke="#c6d4ea" stroke-width="1.5"/>'
        '<path d="M12 40a30 30 0 0 1 28-30h70a30 30 0 0 1 28 30" fill="none" stroke="#ffffff" stroke-width="2" stroke-opacity=".8"/>')
SHADOW = lambda cx, cy, rx: f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="5" fill="{NAVY}" fill-opacity=".13"/>'
ST = f'stroke="{NAVY}" stroke-width="2" stroke-linejoin="round"'
STP = f'stroke="#8a96a8" stroke-width="1.5" stroke-linejoin="round"'
STY = f'stroke="{YEL_D}" stroke-width="1.8" stroke-linejoin="round"'

def menu(name, body, extra=()):
    svg(name, 150, 150, TILE + body, TILE_DEFS + tuple(extra))

def index_card(y, tab_x, tab_fill, person=False):
    s = (f'<path d="M{tab_x} {y}v-7a3 3 0 0 1 3-3h16a3 3 0 0 1 3 3v7" fill="{tab_fill}" {STP}/>'
         f'<rect x="32" y="{y}" width="86" height="50" rx="3" fill="url(#gp)" {STP}/>')
    if person:
        s += (f'<rect x="40" y="{y+8}" width="16" height="19" rx="2" fill="{PALE}"/>'
              f'<circle cx="48" cy="{y+14}" r="4" fill="{MID}"/><path d="M41.5 {y+27}a6.5 6 0 0 1 13 0z" fill="{MID}"/>'
              f'<path d="M62 {y+11}h46M62 {y+18}h46M62 {y+25}h32" stroke="{LIGHT}" stroke-width="3" stroke-linecap="round"/>')
    else:
        s += f'<path d="M40 {y+9}h60M40 {y+16}h44" stroke="#c8d3e3" stroke-width="3" stroke-linecap="round"/>'
    return s

menu("menu_anagrafica", SHADOW(75, 127, 52) + f'''
<rect x="26" y="70" width="98" height="22" rx="5" fill="{NAVY}"/>
{index_card(40, 40, YEL)}{index_card(52, 66, LIGHT)}{index_card(64, 92, "#f6a95b", person=True)}
<path d="M24 84h102v34a6 6 0 0 1-6 6H30a6 6 0 0 1-6-6z" fill="url(#gb)" {ST}/>
<path d="M28 88h94" stroke="#ffffff" stroke-opacity=".3" stroke-width="2"/>
<rect x="61" y="96" width="28" height="15" rx="3" fill="url(#gy)" {STY}/>
<path d="M67 103.5h16" stroke="{YEL_D}" stroke-width="2" stroke-linecap="round"/>''')

def member_card(x, y, w, h, r, detail=True, text=True):
    sx = w / 112.0
    s = f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{r}" fill="url(#cv)" stroke="{NAVY}" stroke-width="{max(1, 2*sx):.1f}"/>'
    band_y = y + h * 0.8
    s += (f'<path d="M{x} {band_y:.1f}H{x+w}V{y+h-r:.1f}a{r} {r} 0 0 1-{r} {r}H{x+r}a{r} {r} 0 0 1-{r}-{r}z" fill="url(#gy)"/>'
          f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{r}" fill="none" stroke="{NAVY}" stroke-width="{max(1, 2*sx):.1f}"/>')
    # logo, photo and lines
    s += f'<circle cx="{x+14*sx:.1f}" cy="{y+13*sx:.1f}" r="{7*sx:.1f}" fill="url(#gy)"/>'
    if detail:
        s += f'<path d="{star(x+14*sx, y+13.4*sx, 4.3*sx, 1.8*sx)}" fill="{BLUE}"/>'
    px, py, pw, ph = x + 8*sx, y + 26*sx, 22*sx, 27*sx
    s += (f'<rect x="{px:.1f}" y="{py:.1f}" width="{pw:.1f}" height="{ph:.1f}" rx="{2*sx:.1f}" fill="{PALE}"/>'
          f'<circle cx="{px+pw/2:.1f}" cy="{py+9*sx:.1f}" r="{5*sx:.1f}" fill="{MID}"/>'
          f'<path d="M{px+2.5*sx:.1f} {py+ph:.1f}a{8.5*sx:.1f} {8*sx:.1f} 0 0 1 {17*sx:.1f} 0z" fill="{MID}"/>')
    if text:
        s += f'<text x="{x+62*sx:.1f}" y="{y+16*sx:.1f}" font-family="Liberation Sans" font-size="{9.5*sx:.1f}" font-weight="bold" fill="#ffffff" text-anchor="middle" letter-spacing="{0.8*sx:.1f}">TESSERA SOCIO</text>'
    else:
        s += f'<path d="M{x+30*sx:.1f} {y+13*sx:.1f}h{70*sx:.1f}" stroke="#ffffff" stroke-width="{3.5*sx:.1f}" stroke-linecap="round"/>'
    for i, L in enumerate((68, 68, 48)):
        yy = y + (32 + 9 * i) * sx
        s += f'<path d="M{x+37*sx:.1f} {yy:.1f}h{L*sx:.1f}" stroke="#b9cff2" stroke-width="{3.4*sx:.1f}" stroke-linecap="round"/>'
    return s

menu("menu_tessera", SHADOW(76, 122, 54) + f'<g transform="rotate(-7 75 76)">{member_card(19, 41, 112, 70, 8)}</g>')

mini = "".join(member_card(22 + 36 * c, 41 + 25 * r, 32, 20, 2.2, detail=False, text=False)
               for r in range(3) for c in range(3))
menu("menu_tessere", SHADOW(75, 128, 56) + f'''
<rect x="19" y="29" width="122" height="93" rx="2" fill="#dfe6f0" {STP}/>
<path d="M14 30h112l10 10v82H14z" fill="#ffffff" {STP}/>
<path d="M126 30v10h10" fill="{PALE}" {STP}/>
{mini}''')

cal_cells = ""
for r in range(4):
    for c in range(5):
        x = 32 + c * 15; y = 66 + r * 12
        cal_cells += f'<rect x="{x}" y="{y}" width="11" height="8" rx="1.5" fill="{"#f6a95b" if (r, c) == (1, 3) else "#c9d8ef"}"/>'
bell = (f'<path d="M109 72c-12 0-18 9-18 21v10l-7 9h50l-7-9V93c0-12-6-21-18-21z" fill="url(#gy)" {STY}/>'
        f'<path d="M98 92c0-7 3-12 9-13" fill="none" stroke="#ffffff" stroke-opacity=".7" stroke-width="3" stroke-linecap="round"/>'
        f'<circle cx="109" cy="70" r="4" fill="url(#gy)" {STY}/>'
        f'<path d="M102 115a7 7 0 0 0 14 0z" fill="{BLUE}" {ST}/>'
        f'<path d="M138 82a26 26 0 0 1 0 24M133 86a18 18 0 0 1 0 16M80 82a26 26 0 0 0 0 24" fill="none" stroke="{BLUE}" stroke-width="3" stroke-linecap="round"/>')
menu("menu_scadenzario", SHADOW(75, 128, 52) + f'''
<rect x="22" y="32" width="88" height="86" rx="8" fill="url(#gp)" {ST}/>
<path d="M22 40a8 8 0 0 1 8-8h72a8 8 0 0 1 8 8v16H22z" fill="url(#gb)" {ST}/>
<rect x="38" y="22" width="8" height="18" rx="4" fill="url(#gg)" {ST}/>
<rect x="86" y="22" width="8" height="18" rx="4" fill="url(#gg)" {ST}/>
{cal_cells}{bell}''')

menu("menu_libro", SHADOW(77, 130, 48) + f'''
<path d="M44 26h70a4 4 0 0 1 4 4v94a4 4 0 0 1-4 4H44z" fill="#fbf7ec" {STP}/>
<path d="M114 32v90M110 30v94" stroke="#d9d2bf" stroke-width="1.5"/>
<path d="M36 22h72a5 5 0 0 1 5 5v92a5 5 0 0 1-5 5H36a5 5 0 0 1-5-5V27a5 5 0 0 1 5-5z" fill="url(#cv)" {ST}/>
<rect x="31" y="22" width="14" height="102" rx="5" fill="{NAVY}"/>
<path d="M31 36h14M31 110h14" stroke="{YEL}" stroke-width="4"/>
<rect x="56" y="42" width="46" height="32" rx="3" fill="#fff6d6" {STY}/>
<text x="79" y="55.5" font-family="Liberation Sans" font-size="11" font-weight="bold" fill="{NAVY}" text-anchor="middle">LIBRO</text>
<text x="79" y="68.5" font-family="Liberation Sans" font-size="11" font-weight="bold" fill="{NAVY}" text-anchor="middle">SOCI</text>
<path d="M58 90h42M58 98h42" stroke="{YEL}" stroke-opacity=".8" stroke-width="2" stroke-linecap="round"/>
<path d="M92 124v14l5-4 5 4v-14" fill="url(#gy)" {STY}/>''')

def ledger_lines(x0, x1, col):
    s = "".join(f'<path d="M{x0} {y}h{x1-x0}" stroke="#c9d8ef" stroke-width="1.5"/>' for y in range(56, 104, 8))
    s += f'<path d="M{col} 50v54" stroke="#f0a08f" stroke-width="1.5"/>'
    for i, y in enumerate(range(54, 102, 8)):
        s += f'<path d="M{x0+3} {y}h{12 + (i * 7) % 14}" stroke="{MID}" stroke-width="2.2" stroke-linecap="round"/>'
        s += f'<path d="M{col+3} {y}h{8 + (i * 5) % 6}" stroke="{NAVY}" stroke-width="2.2" stroke-linecap="round"/>'
    return s

def coin(cx, cy, t=6):
    return (f'<path d="M{cx-16} {cy}v{t}a16 5.5 0 0 0 32 0v-{t}z" fill="#e0a000" {STY}/>'
            f'<ellipse cx="{cx}" cy="{cy}" rx="16" ry="5.5" fill="url(#gy)" {STY}/>')
coins = "".join(coin(108, 118 - 7 * k) for k in range(4))
menu("menu_primanota", SHADOW(75, 130, 58) + f'''
<path d="M14 42q32-8 61 2 29-10 61-2v78q-32-8-61 2-29-10-61-2z" fill="url(#dk)" {ST}/>
<path d="M20 38q28-8 54 2v74q-26-9-54-2z" fill="url(#gp)" {STP}/>
<path d="M76 40q26-10 54-2v76q-28-7-54 2z" fill="url(#gp)" {STP}/>
{ledger_lines(26, 70, 56)}{ledger_lines(82, 126, 112)}
{coins}
<circle cx="108" cy="97" r="0" fill="none"/>
<circle cx="38" cy="114" r="17" fill="url(#gy)" {STY}/>
<circle cx="38" cy="114" r="12.5" fill="none" stroke="#ffffff" stroke-opacity=".6" stroke-width="1.8"/>
<text x="38" y="121.5" font-family="Liberation Sans" font-size="20" font-weight="bold" fill="{YEL_D}" text-anchor="middle">€</text>''')

# --- wordmark, subtitle, badge, banner ---
svg("title", 520, 70, f'''<g transform="translate(8 0)">
<circle cx="112" cy="35" r="29" fill="url(#lb)"/>
<circle cx="112" cy="32" r="14" fill="none" stroke="url(#gy)" stroke-width="5.5"/>
<path d="M120 41l9 10" stroke="url(#gy)" stroke-width="6" stroke-linecap="round"/>
<circle cx="112" cy="30" r="3.4" fill="#ffffff"/><path d="M105.5 41a6.5 5.6 0 0 1 13 0z" fill="#ffffff"/>
<text x="342" y="53" font-family="Liberation Sans" font-size="52" font-weight="bold" fill="url(#tt)" text-anchor="end">Quorvix</text>
<rect x="356" y="14" width="76" height="42" rx="11" fill="url(#lb)"/>
<text x="394" y="47.5" font-family="Liberation Sans" font-size="32" font-weight="bold" fill="{YEL}" text-anchor="middle">5.0</text>
<rect x="158" y="63.5" width="184" height="3.5" rx="1.75" fill="url(#gy)"/></g>''',
    ('<linearGradient id="lb" x1="0" y1="0" x2="0.7" y2="1"><stop offset="0" stop-color="#3569bf"/><stop offset="1" stop-color="#0b2454"/></linearGradient>',
     grad("tt", "#2a5cab", NAVY), G_YEL))

svg("subtitle", 520, 26, f'''
<path d="M28 13.5h56M436 13.5h56" stroke="#c3ccd8" stroke-width="1.5" stroke-linecap="round"/>
<circle cx="92" cy="13.5" r="3.2" fill="{YEL}" stroke="{YEL_D}" stroke-width="1"/>
<circle cx="428" cy="13.5" r="3.2" fill="{YEL}" stroke="{YEL_D}" stroke-width="1"/>
<text x="260" y="19" font-family="Liberation Sans" font-size="17" font-style="italic" fill="#4a5a78" text-anchor="middle">Gestione associazioni, circoli e scuole</text>''')

svg("badge", 80, 80, f'''
<path d="{star(40, 40, 38.5, 34.5, n=18)}" fill="url(#gy)" stroke="{YEL_D}" stroke-width="1.2" stroke-linejoin="round"/>
<circle cx="40" cy="40" r="29.5" fill="url(#lb)" stroke="{NAVY}" stroke-width="1"/>
<circle cx="40" cy="40" r="26" fill="none" stroke="#ffffff" stroke-opacity=".35" stroke-width="1.2" stroke-dasharray="2 2"/>
<text x="40" y="30" font-family="Liberation Sans" font-size="8" font-weight="bold" fill="#cfe0f7" text-anchor="middle" letter-spacing="1">VERSIONE</text>
<text x="40" y="54" font-family="Liberation Sans" font-size="24" font-weight="bold" fill="{YEL}" text-anchor="middle">5.0</text>''',
    ('<linearGradient id="lb" x1="0" y1="0" x2="0.7" y2="1"><stop offset="0" stop-color="#3569bf"/><stop offset="1" stop-color="#0b2454"/></linearGradient>',
     G_YEL))

svg("sito", 468, 40, f'''
<rect x="1" y="1" width="466" height="38" rx="9" fill="url(#sb)" stroke="{NAVY}" stroke-width="1.2"/>
<path d="M10 2h448a8 8 0 0 1 8 8v6H2v-6a8 8 0 0 1 8-8z" fill="#ffffff" fill-opacity=".1"/>
<circle cx="26" cy="20" r="12" fill="#ffffff" fill-opacity=".15" stroke="#ffffff" stroke-width="1.3"/>
<ellipse cx="26" cy="20" rx="5" ry="12" fill="none" stroke="#ffffff" stroke-width="1.1"/>
<path d="M14 20h24M16 14h20M16 26h20" stroke="#ffffff" stroke-width="1.1"/>
<text x="52" y="27" font-family="Liberation Sans" font-size="19" font-weight="bold" fill="#ffffff">www.quorvix.it</text>
<rect x="330" y="8" width="128" height="24" rx="12" fill="url(#gy)" stroke="{YEL_D}" stroke-width="1"/>
<text x="387" y="24.5" font-family="Liberation Sans" font-size="13" font-weight="bold" fill="{NAVY}" text-anchor="middle">Visita il sito</text>
<path d="M440 14.5l5.5 5.5-5.5 5.5" fill="none" stroke="{NAVY}" stroke-width="2.2" stroke-linecap="round" stroke-linejoin="round"/>''',
    ('<linearGradient id="sb" x1="0" y1="0" x2="1" y2="0"><stop offset="0" stop-color="#0b2454"/><stop offset=".55" stop-color="#1f4e99"/><stop offset="1" stop-color="#2d63b8"/></linearGradient>',
     G_YEL))
