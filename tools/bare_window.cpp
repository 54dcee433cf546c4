// bare-window: the floor of the benchmark. A window opened, filled and presented as the programs'
// window is (SDL's window surface drawn by the CPU, the same hints), with nothing else: a frame
// around a letterboxed 1440 x 900 screen, filled and shown whole at the start and at every resize
// or expose; at Enter the whole screen turns to another shade and is shown again (a new page), at
// any other key a square of 100 x 100 pixels of it (the least a key can change).
#include <SDL.h>

#include <algorithm>

int main() {
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11", SDL_HINT_OVERRIDE);
  SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_OVERRIDE);
  SDL_SetHintWithPriority(SDL_HINT_RENDER_DRIVER, "software", SDL_HINT_OVERRIDE);
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  SDL_Rect area{0, 0, 1440, 900};
  SDL_GetDisplayUsableBounds(0, &area);
  SDL_Window* window = SDL_CreateWindow("bare-window", area.x, area.y, area.w, area.h,
                                        SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED);
  if (!window) return 1;
  Uint8 shade = 0xFF;
  for (SDL_Event e; SDL_WaitEvent(&e) && e.type != SDL_QUIT;) {
    SDL_Surface* s = SDL_GetWindowSurface(window);
    if (!s) continue;
    const double scale = std::min(s->w / 1440.0, s->h / 900.0);
    const int w = static_cast<int>(1440 * scale + 0.5), h = static_cast<int>(900 * scale + 0.5);
    const SDL_Rect screen{(s->w - w) / 2, (s->h - h) / 2, w, h};
    if (e.type == SDL_KEYDOWN) {
      shade = shade == 0xFF ? 0xF0 : 0xFF;
      SDL_Rect changed{screen.x, screen.y, std::min(100, w), std::min(100, h)};
      if (e.key.keysym.sym == SDLK_RETURN) changed = screen;
      SDL_FillRect(s, &changed, SDL_MapRGB(s->format, shade, shade, shade));
      SDL_UpdateWindowSurfaceRects(window, &changed, 1);
    } else if (e.type == SDL_WINDOWEVENT) {
      SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0x20, 0x20, 0x20));
      SDL_FillRect(s, &screen, SDL_MapRGB(s->format, 0xFF, 0xFF, 0xFF));
      SDL_UpdateWindowSurface(window);
      shade = 0xFF;
    }
  }
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
