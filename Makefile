# The two commands of the README: `make run` builds and starts the game, `make test` builds
# and runs every test. Both install the Debian packages they need first.
.PHONY: run test bench asan clean

run:
	scripts/install-deps run
	cmake --workflow --preset release
	scripts/run-game

# The second half of `make test`: the core's tests, the fuzz corpora and 600 simulated games
# again under the address and undefined-behaviour sanitizers.
SANITIZED_SOAK = scripts/soak --sim build/asan/tools/sim/vornmark-sim --grids 4,15,30 --games 600 --games-per-run 50

test:
	scripts/install-deps test
	cmake --workflow --preset dev
	cmake --workflow --preset asan
	$(SANITIZED_SOAK)

asan:
	scripts/install-deps test
	cmake --workflow --preset asan
	$(SANITIZED_SOAK)

bench:
	scripts/install-deps test
	cmake --workflow --preset bench
	build/bench/bench/vornmark_bench

clean:
	rm -rf build
