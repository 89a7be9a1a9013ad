/* The floor to compare the game's idle processor use with: a window that
 * uploads a 640 x 480 canvas and presents it every 48 ms, changed or not,
 * as the game did before it skipped unchanged frames. bench/idle-cpu builds
 * and runs it. */
#include <SDL.h>
#include <stdint.h>
#include <stdlib.h>

int main(void) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* window = SDL_CreateWindow("present floor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 640, 480, 0);
    SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, 0) : NULL;
    SDL_Texture* texture =
        renderer ? SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, 640, 480) : NULL;
    uint32_t* canvas = calloc(640 * 480, sizeof *canvas);
    if (!texture || !canvas) return 1;
    for (;;) {
        SDL_Event event;
        while (SDL_PollEvent(&event))
            if (event.type == SDL_QUIT) return 0;
        SDL_UpdateTexture(texture, NULL, canvas, 640 * sizeof *canvas);
        SDL_RenderCopy(renderer, texture, NULL, NULL);
        SDL_RenderPresent(renderer);
        SDL_Delay(48);
    }
}
