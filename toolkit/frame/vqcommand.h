// The command numbers of the toolkit's command handlers, in one place: the
// drawing commands a target answers (1001-1050), the events a host passes
// to its children and a window gets from its platform window (2001-2082),
// the scroll commands (3008-3017) and the requests of children to their
// host (8001-8028). Every handler, sender and test names them from here.
#pragma once

enum vqcommand {
  // ---- drawing commands, to the drawing target -----------------------------
  VQCMD_POINT = 1001, VQCMD_CIRCLE, VQCMD_FILLCIRCLE, VQCMD_RECT, VQCMD_FRAME, VQCMD_FILLRECT,
  VQCMD_FILLFRAME, VQCMD_SHADOWRECT, VQCMD_LINE, VQCMD_LINETO, VQCMD_MOVETO, VQCMD_THICKLINETO,
  VQCMD_FLOODFILL, VQCMD_ARC, VQCMD_ELLIPSE, VQCMD_FILLELLIPSE, VQCMD_REFRESHNOW, VQCMD_CLEAR,
  VQCMD_TEXT, VQCMD_TEXTBOX, VQCMD_TEXTCENTRED, VQCMD_SAVE, VQCMD_PICTURE, VQCMD_GRAPHIC,
  VQCMD_SETPALETTE, VQCMD_GETPIXEL, VQCMD_SETFONT, VQCMD_LOADFONT, VQCMD_SETFONTNAME,
  VQCMD_COPYRECT = 1034, VQCMD_SETTRANSPARENT, VQCMD_TEXTWIDTH, VQCMD_FONTHEIGHT, VQCMD_CHARWIDTH,
  VQCMD_REFRESHRECT, VQCMD_GETPIXMAP = 1041, VQCMD_GETOBJECT, VQCMD_GETWIDTH, VQCMD_GETHEIGHT,
  VQCMD_DRAWPIXMAP, VQCMD_PALETTEGRAPHIC, VQCMD_WIDELINE, VQCMD_CHAR, VQCMD_MOUSEX, VQCMD_MOUSEY,

  // ---- events: platform input, host to child, timers -----------------------
  VQCMD_CLOSE = 2001,   // close request; a panel or control destroys itself
  VQCMD_PAINT, VQCMD_SIZE,
  // Mouse buttons, each down, up, double click: left, middle, right.
  VQCMD_LEFTDOWN, VQCMD_LEFTUP, VQCMD_LEFTDOUBLE,
  VQCMD_MIDDLEDOWN, VQCMD_MIDDLEUP, VQCMD_MIDDLEDOUBLE,
  VQCMD_RIGHTDOWN, VQCMD_RIGHTUP, VQCMD_RIGHTDOUBLE,
  VQCMD_WHEELUP, VQCMD_WHEELDOWN, VQCMD_MOUSEMOVE,
  VQCMD_KEYDOWN, VQCMD_KEYUP,   // a1: the key code (vqkeys.h)
  VQCMD_FOCUSIN, VQCMD_FOCUSOUT,
  VQCMD_QUERY,           // answered with 1 by every object that is there
  VQCMD_HOVEREND = 2024, VQCMD_HOVERSTART, VQCMD_REFRESH,
  VQCMD_REFRESHDUE = 2028,   // the deferred refresh is due
  VQCMD_TIMER,               // a timer fired; a1: its tag
  VQCMD_PASTE = 2033, VQCMD_COPY, VQCMD_CUT,
  VQCMD_REDRAWALL = 2048,
  VQCMD_CHILDTEXT = 2050, VQCMD_CHILDCHAR,   // output of a child process
  VQCMD_MINIMISED = 2055, VQCMD_MENU,
  VQCMD_SCROLLED = 2059,     // a1, a2: the panel's new scroll position
  VQCMD_MAXIMISED, VQCMD_DROPPED, VQCMD_MOVED, VQCMD_ACTIVATED, VQCMD_DEACTIVATED,
  VQCMD_RESTORED,            // a size change that neither minimised nor maximised
  VQCMD_REPAINT,             // a child's paint request passed to its host
  // Window events without a meaning of their own here: posted as they are.
  VQCMD_ASIS1, VQCMD_ASIS2, VQCMD_ASIS3, VQCMD_ASIS4,
  VQCMD_SESSIONCHANGE,       // a1: the session event 1 to 9, posted as VQCMD_SESSIONEVENT + a1 - 1
  VQCMD_SESSIONEVENT,
  VQCMD_SESSIONEND = 2081, VQCMD_TASKBARCREATED,

  // ---- scroll commands -------------------------------------------------------
  VQCMD_LINEUP = 3008, VQCMD_LINEDOWN, VQCMD_LINELEFT, VQCMD_LINERIGHT, VQCMD_PAGEUP, VQCMD_PAGEDOWN,
  VQCMD_SCROLLTOX = 3016, VQCMD_SCROLLTOY,

  // ---- requests of a child to its host ----------------------------------------
  VQCMD_ADDREGION = 8001, VQCMD_REMOVEREGIONS, VQCMD_MOVEREGION,
  VQCMD_WIDTH, VQCMD_HEIGHT,
  VQCMD_ORIGINX, VQCMD_ORIGINY,   // the pixmap origin's offset in the window
  VQCMD_SHOWRECT,                 // bring a rectangle of the host pixmap to the screen
  VQCMD_FIRSTREFRESH,             // the program started: the whole host to the screen
  VQCMD_FOCUSREGION, VQCMD_FOCUSNEXT, VQCMD_SETSCROLLPOS, VQCMD_HASSCROLLBARS,
  VQCMD_PASSUP,                   // passed on to the host's own host
  VQCMD_CAPTURE, VQCMD_RELEASE,   // of the mouse
  VQCMD_GETPANEL, VQCMD_STOPREFRESH, VQCMD_BACKGROUND,
  VQCMD_ISHIDDEN = 8021,
  VQCMD_PLATFORMWINDOW = 8025,
  VQCMD_ABSX, VQCMD_ABSY,
  VQCMD_CHILDSCROLLED,
  VQCMD_REQUEST_LAST = 8099,   // the block of requests a host takes ends here
};
